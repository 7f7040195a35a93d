// Débit du lecteur de lignes GEDCOM (lecture, découpe, conversion, machine d'états) sur le plus
// gros fichier réel et sur un fichier d'un million d'individus. Objectif : 150 Mo/s au moins.
//
// Le grand fichier : LIGNARA_GEDCOM_GRAND s'il est donné ; sinon outil_generer_gedcom s'il a été
// construit ; sinon un fichier synthétique écrit ici (UTF-8, accents, CR LF).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "commun/Dossiers.h"
#include "gedcom/RecensementGedcom.h"

#include "FichiersDeMesure.h"

namespace {

namespace fs = std::filesystem;
constexpr long kIndividus = 1000000;

using lignara::mesure::plusGrosFichierReel;

void ecrireSynthetique(const fs::path& chemin) {
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return;
    std::fputs("0 HEAD\r\n1 SOUR Mesure\r\n1 CHAR UTF-8\r\n", f);
    for (long i = 1; i <= kIndividus; ++i) {
        long famille = (i + 1) / 2;
        std::fprintf(f,
                     "0 @I%ld@ INDI\r\n1 NAME H\xC3\xA9l\xC3\xA8ne %ld /Lef\xC3\xA8vre/\r\n1 SEX %c\r\n"
                     "1 BIRT\r\n2 DATE %ld JAN %ld\r\n2 PLAC Saint-\xC3\x89tienne, Loire, France\r\n"
                     "1 OCCU cultivateur\r\n1 FAMS @F%ld@\r\n1 NOTE  \xE2\x80\x9C"
                     "Cit\xC3\xA9\xE2\x80\x9D du registre\r\n",
                     i, i, i % 2 ? 'M' : 'F', 1 + i % 28, 1700 + i % 300, famille);
    }
    for (long k = 1; k <= kIndividus / 2; ++k)
        std::fprintf(f, "0 @F%ld@ FAM\r\n1 HUSB @I%ld@\r\n1 WIFE @I%ld@\r\n1 MARR\r\n2 DATE 1750\r\n", k, 2 * k - 1,
                     2 * k);
    std::fputs("0 TRLR\r\n", f);
    std::fclose(f);
}

// Fichier d'un million d'individus, effacé à la fin quand il a été fait ici.
class GrandFichier {
public:
    GrandFichier() {
        if (const char* donne = std::getenv("LIGNARA_GEDCOM_GRAND"); donne && *donne) {
            chemin_ = donne;
            return;
        }
        chemin_ = lignara::dossierTemporaire() / "lignara-bench-1M.ged";
        efface_ = true;
        fs::path outil = lignara::cheminProgramme().parent_path().parent_path() / "tools" / "outil_generer_gedcom";
        std::error_code ec;
        if (fs::exists(outil, ec)) {
            std::string commande =
                "'" + outil.string() + "' '" + chemin_.string() + "' " + std::to_string(kIndividus) + " > /dev/null";
            if (std::system(commande.c_str()) == 0 && fs::file_size(chemin_, ec) > 0 && !ec) {
                origine_ = "outil_generer_gedcom";
                return;
            }
        }
        ecrireSynthetique(chemin_);
        origine_ = "synthétique";
    }
    ~GrandFichier() {
        std::error_code ec;
        if (efface_) fs::remove(chemin_, ec);
    }
    const fs::path& chemin() const { return chemin_; }
    const char* origine() const { return origine_; }

private:
    fs::path chemin_;
    bool efface_ = false;
    const char* origine_ = "LIGNARA_GEDCOM_GRAND";
};

void mesurer(benchmark::State& etat, const fs::path& chemin) {
    std::error_code ec;
    auto taille = static_cast<double>(fs::file_size(chemin, ec));
    if (ec || chemin.empty()) {
        etat.SkipWithError("fichier absent");
        return;
    }
    std::size_t individus = 0;
    for (auto _ : etat) {
        auto r = lignara::RecensementGedcom::recenser(chemin);
        individus = r.individus;
        benchmark::DoNotOptimize(r);
    }
    etat.counters["Mo/s"] = benchmark::Counter(taille / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    etat.counters["individus"] = static_cast<double>(individus);
    etat.SetLabel(chemin.filename().string());
}

void LecteurPlusGrosFichierReel(benchmark::State& etat) { mesurer(etat, plusGrosFichierReel()); }

void LecteurMillionIndividus(benchmark::State& etat) {
    static GrandFichier fichier;
    mesurer(etat, fichier.chemin());
    etat.SetLabel(std::string(fichier.origine()) + " " + fichier.chemin().filename().string());
}

BENCHMARK(LecteurPlusGrosFichierReel)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LecteurMillionIndividus)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
