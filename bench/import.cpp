// Import complet (balayage, numérotation, relecture, écriture de la base) sur le plus gros
// fichier réel des tests et sur un fichier d'un million de personnes. Objectifs :
//  - temps d'import au plus 3 fois celui d'une lecture du fichier par le lecteur de lignes ;
//  - au moins 200 000 personnes par seconde ;
//  - mémoire de pointe (RSS) sous 600 Mo par million de personnes.
// Compteurs : lecture_s, import_s, rapport, personnes_par_s, RSS_pointe_Mo, RSS_import_Mo (ce
// que l'import ajoute à la mémoire du programme) et Mo_par_million (calculé sur RSS_import_Mo).
// La mémoire se mesure dans un processus fils qui ne fait qu'un import (/proc/self/status).
//
// Le fichier d'un million : LIGNARA_GEDCOM_GRAND s'il est donné, sinon outil_generer_gedcom
// (à construire avant : cmake --build build --target outil_generer_gedcom).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/wait.h>
#include <unistd.h>

#include "commun/Dossiers.h"
#include "gedcom/ImporterGedcom.h"
#include "gedcom/RecensementGedcom.h"

#include "FichiersDeMesure.h"

namespace {

namespace fs = std::filesystem;
using Horloge = std::chrono::steady_clock;
constexpr long kPersonnes = 1000000;

using lignara::mesure::plusGrosFichierReel;

double secondes(Horloge::duration d) { return std::chrono::duration<double>(d).count(); }

// Valeur en Mo d'une ligne de /proc/self/status (« VmRSS: », « VmHWM: ») ; -1 si absente.
double statutMo(const char* champ) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char ligne[256];
    double mo = -1;
    const std::size_t n = std::strlen(champ);
    while (std::fgets(ligne, sizeof ligne, f))
        if (std::strncmp(ligne, champ, n) == 0) mo = std::atof(ligne + n) / 1024.0;  // en ko
    std::fclose(f);
    return mo;
}

struct MemoireImport {
    double pointe = -1;  // RSS de pointe du processus, en Mo
    double import = -1;  // ce que l'import y a ajouté (pointe moins la mémoire d'avant l'import)
};

// Mémoire d'un processus fils qui importe le fichier une fois. La part de l'import se compte
// à part : sur un petit fichier, le programme lui-même pèse plus que l'import.
MemoireImport memoireImport(const fs::path& chemin) {
    std::fflush(nullptr);
    int tube[2];
    if (::pipe(tube) != 0) return {};
    pid_t fils = ::fork();
    if (fils < 0) return {};
    if (fils == 0) {
        ::close(tube[0]);
        MemoireImport m;
        const double avant = statutMo("VmRSS:");
        try {
            lignara::ImporterGedcom(chemin);
            m.pointe = statutMo("VmHWM:");
            m.import = m.pointe - avant;
        } catch (...) {
        }
        ssize_t ecrit = ::write(tube[1], &m, sizeof m);
        ::_exit(ecrit == sizeof m ? 0 : 1);
    }
    ::close(tube[1]);
    MemoireImport m;
    if (::read(tube[0], &m, sizeof m) != sizeof m) m = {};
    ::close(tube[0]);
    int statut = 0;
    ::waitpid(fils, &statut, 0);
    return m;
}

void mesurerImport(benchmark::State& etat, const fs::path& chemin) {
    std::error_code ec;
    if (chemin.empty() || !fs::exists(chemin, ec)) {
        etat.SkipWithError("fichier absent");
        return;
    }
    // Avant les imports mesurés : le fils part d'un tas encore neuf.
    const MemoireImport memoire = memoireImport(chemin);
    // Le meilleur tour de chaque mesure : sur une machine partagée, le bruit ne fait qu'ajouter.
    double lecture = 1e9, import = 1e9;
    std::uint32_t personnes = 0;
    for (auto _ : etat) {
        auto t0 = Horloge::now();
        auto recensement = lignara::RecensementGedcom::recenser(chemin);
        benchmark::DoNotOptimize(recensement);
        auto t1 = Horloge::now();
        lignara::ResultatImport r = lignara::ImporterGedcom(chemin);
        auto t2 = Horloge::now();
        personnes = r.base.nombreIndividus();
        lecture = std::min(lecture, secondes(t1 - t0));
        import = std::min(import, secondes(t2 - t1));
        etat.SetIterationTime(secondes(t2 - t1));
    }
    double parSeconde = personnes / import;
    double parMillion = personnes ? memoire.import * 1e6 / personnes : 0;
    etat.counters["lecture_s"] = lecture;
    etat.counters["import_s"] = import;
    etat.counters["rapport"] = import / lecture;
    etat.counters["personnes"] = personnes;
    etat.counters["personnes_par_s"] = parSeconde;
    etat.counters["RSS_pointe_Mo"] = memoire.pointe;
    etat.counters["RSS_import_Mo"] = memoire.import;
    etat.counters["Mo_par_million"] = parMillion;
    std::string tenus = std::string(import <= 3 * lecture ? "rapport<=3 oui" : "rapport<=3 NON") +
                        (parSeconde >= 200000 ? ", >=200000/s oui" : ", >=200000/s NON") +
                        (personnes < 100000 ? ", mémoire : frais fixes du programme (petit fichier)"
                         : memoire.import >= 0 && parMillion < 600 ? ", <600Mo/M oui"
                                                                   : ", <600Mo/M NON");
    etat.SetLabel(chemin.filename().string() + " : " + tenus);
}

void ImportPlusGrosFichierReel(benchmark::State& etat) { mesurerImport(etat, plusGrosFichierReel()); }

void ImportMillionPersonnes(benchmark::State& etat) {
    static lignara::mesure::FichierGenere fichier("mesure-import-1M.ged", kPersonnes);
    mesurerImport(etat, fichier.chemin());
}

BENCHMARK(ImportPlusGrosFichierReel)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(ImportMillionPersonnes)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
