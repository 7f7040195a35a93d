// Statistiques sur tout un fichier d'un million de personnes (objectif : moins de 2 s chacune,
// PDF compris) : âges au décès et au premier mariage, naissances par tranches de 10 ans (calcul
// des tables dérivées compris, comme l'attente de leur fil quand le fichier vient de s'ouvrir),
// professions et sources avec les catégories de référence, et ascendance de la personne qui a le
// plus de générations d'ascendants.
//
// Le fichier : LIGNARA_GEDCOM_GRAND s'il est donné, sinon outil_generer_gedcom (à construire
// avant : cmake --build build --target outil_generer_gedcom) ; son import n'est pas mesuré.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "documents/Afficheur.h"
#include "documents/statistiques/StatistiqueAges.h"
#include "documents/statistiques/StatistiqueCategories.h"
#include "documents/statistiques/StatistiqueNaissances.h"
#include "gedcom/ImporterGedcom.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;

struct FichierMesure {
    std::optional<ResultatImport> import;
    std::uint32_t plusProfonde = 0;
    std::uint32_t fondateur = 0;  // ancêtre par les pères de la plus profonde
    int generations = 0;
    fs::path configuration;
};

fs::path fichierMillion(bool& genere) {
    genere = false;
    if (const char* donne = std::getenv("LIGNARA_GEDCOM_GRAND"); donne && *donne) return donne;
    const fs::path outil = cheminProgramme().parent_path().parent_path() / "tools" / "outil_generer_gedcom";
    const fs::path sortie = dossierTemporaire() / "lignara-bench-statistiques-1M.ged";
    const std::string commande = "'" + outil.string() + "' '" + sortie.string() + "' 1000000 > /dev/null";
    std::error_code ec;
    if (!fs::exists(outil, ec) || std::system(commande.c_str()) != 0) return {};
    genere = true;
    return sortie;
}

// Profondeur d'ascendance de chaque personne, sans récursion (les parents d'abord).
std::uint32_t plusProfonde(const BaseGenealogique& base, int& generations) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<int> profondeur(std::size_t{n} + 1, 0);
    std::vector<std::uint32_t> pile;
    std::uint32_t meilleure = 1;
    for (std::uint32_t p = 1; p <= n; ++p) {
        pile.push_back(p);
        while (!pile.empty()) {
            const std::uint32_t q = pile.back();
            if (profondeur[q] > 0) {
                pile.pop_back();
                continue;
            }
            const Individu i = base.LireIndividu(q);
            bool pret = true;
            for (std::uint32_t parent : {i.pere, i.mere})
                if (parent != 0 && profondeur[parent] == 0) {
                    pile.push_back(parent);
                    pret = false;
                }
            if (!pret) continue;
            profondeur[q] = 1 + std::max(i.pere ? profondeur[i.pere] : 0, i.mere ? profondeur[i.mere] : 0);
            pile.pop_back();
        }
        if (profondeur[p] > profondeur[meilleure]) meilleure = p;
    }
    generations = profondeur[meilleure];
    return meilleure;
}

FichierMesure& fichier() {
    static FichierMesure f;
    static bool prepare = false;
    if (prepare) return f;
    prepare = true;
    // Catégories de référence livrées, configuration vide : les mesures ne dépendent pas de
    // celles de l'utilisateur.
    ::setenv("LIGNARA_DONNEES", (cheminProgramme().parent_path().parent_path() / "donnees").c_str(), 0);
    f.configuration = dossierTemporaire() / "lignara-bench-statistiques-config";
    fs::create_directories(f.configuration);
    ::setenv("XDG_CONFIG_HOME", f.configuration.c_str(), 1);
    bool genere = false;
    const fs::path chemin = fichierMillion(genere);
    if (chemin.empty()) return f;
    const auto debut = std::chrono::steady_clock::now();
    f.import = ImporterGedcom(chemin);
    f.plusProfonde = plusProfonde(f.import->base, f.generations);
    f.fondateur = f.plusProfonde;
    while (const std::uint32_t pere = f.import->base.LireIndividu(f.fondateur).pere) f.fondateur = pere;
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    std::printf("%s : %u personnes importées en %.1f s ; ascendance de %u sur %d générations, fondateur %u\n",
                chemin.string().c_str(), f.import->base.nombreIndividus(), duree.count(), f.plusProfonde, f.generations,
                f.fondateur);
    std::error_code ec;
    if (genere) fs::remove(chemin, ec);
    return f;
}

const PolicesDocument& polices() {
    static const PolicesDocument p = chargerPolices(ReglagesPolices{}, {});
    return p;
}

// Un document complet : tables dérivées au besoin, préparation, mise en page et PDF.
template <class Reglage>
void mesurer(benchmark::State& etat, std::uint8_t code, const char* nom, Reglage regler) {
    FichierMesure& f = fichier();
    if (!f.import) {
        etat.SkipWithError("fichier d'un million de personnes introuvable (outil_generer_gedcom)");
        return;
    }
    ContexteDocument contexte;
    contexte.base = &f.import->base;
    contexte.polices = polices();
    const fs::path chemin = dossierTemporaire() / (std::string("lignara-bench-") + nom + ".pdf");
    for (auto _ : etat) {
        const auto debut = std::chrono::steady_clock::now();
        const Afficheur& type = *afficheurDeCode(code);
        auto d = type.fabrique(type);
        d->initialiserParametres(contexte);
        regler(*d, f);
        try {
            d->preparer(contexte);
        } catch (const OperationImpossible& e) {
            etat.SkipWithError(e.what());
            return;
        }
        d->chemin = chemin.string();
        d->ecrire();
        const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::printf("%s : %.3f s (fichier de %ju octets)\n", nom, duree.count(),
                    static_cast<std::uintmax_t>(fs::file_size(chemin)));
    }
    std::error_code ec;
    fs::remove(chemin, ec);
}

void AgesAuDeces(benchmark::State& e) {
    mesurer(e, 21, "SA-deces", [](Document& d, FichierMesure&) { d.valeur(kAgeEtudie) = std::uint8_t{1}; });
}
void AgesAuPremierMariage(benchmark::State& e) {
    mesurer(e, 21, "SA-mariage", [](Document&, FichierMesure&) {});
}
void NaissancesParDecennies(benchmark::State& e) {
    mesurer(e, 24, "SN", [](Document& d, FichierMesure&) { d.valeur(kIntervalleNaissances) = std::uint16_t{10}; });
}
void ProfessionsAvecLaListe(benchmark::State& e) {
    mesurer(e, 27, "SP", [](Document& d, FichierMesure&) { d.valeur(kListeCategories) = std::uint8_t{1}; });
}
void Sources(benchmark::State& e) {
    mesurer(e, 30, "SS", [](Document&, FichierMesure&) {});
}
void AscendanceLaPlusProfonde(benchmark::State& e) {
    mesurer(e, 50, "SG",
            [](Document& d, FichierMesure& f) { d.valeur(kRacine) = static_cast<std::int32_t>(f.plusProfonde); });
}
void AgesDesDescendantsDUnFondateur(benchmark::State& e) {
    mesurer(e, 22, "SA-descendants", [](Document& d, FichierMesure& f) {
        d.valeur(kRacine) = static_cast<std::int32_t>(f.fondateur);
        d.valeur(kAgeEtudie) = std::uint8_t{1};
    });
}

}  // namespace

BENCHMARK(AgesAuDeces)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(AgesAuPremierMariage)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(NaissancesParDecennies)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ProfessionsAvecLaListe)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(Sources)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(AscendanceLaPlusProfonde)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(AgesDesDescendantsDUnFondateur)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_MAIN();
