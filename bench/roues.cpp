// Roues, PDF compris, sur la généalogie de mesure d'un million de personnes (GenealogieDeMesure,
// même fabrication qu'outil_generer_gedcom) et sur royal92.ged (données de test) :
//  - le partage des angles de la roue descendante seul, celui que la fenêtre calcule avant la
//    feuille (objectif : imperceptible, moins de 50 ms) ;
//  - la roue descendante et la roue mixte entières, et la roue ascendante de 9 générations
//    (objectif : moins d'une seconde chacune).
// Les tables dérivées sont calculées une fois, comme le fil de dérivation le fait à l'ouverture.
// Les temps de chaque tour sont affichés ; le PDF est écrit dans le dossier temporaire puis effacé.
#include <benchmark/benchmark.h>

#include <chrono>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "GenealogieDeMesure.h"
#include "commun/Dossiers.h"
#include "database/TablesDerivees.h"
#include "documents/Afficheur.h"
#include "documents/roues/RoueAscendante.h"
#include "documents/roues/RoueDescendante.h"
#include "documents/roues/RoueMixte.h"
#include "gedcom/ImporterGedcom.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;

struct Genealogie {
    const BaseGenealogique* base = nullptr;
    TablesDerivees tables;
    std::uint32_t descendance = 0;  // racine de la plus grande descendance sur 15 générations
    std::uint32_t ascendance = 0;   // racine de la plus grande ascendance sur 9 générations
};

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

// Personnes sur « generations » générations, en suivant les enfants ou les parents (une
// personne atteinte deux fois compte deux fois, comme dans une roue).
std::size_t compter(const BaseGenealogique& base, const std::vector<std::vector<std::uint32_t>>& enfants,
                    std::uint32_t racine, int generations, bool versLeHaut) {
    std::vector<std::uint32_t> rangee{racine};
    std::size_t total = 0;
    for (int g = 0; g < generations && !rangee.empty(); ++g) {
        total += rangee.size();
        std::vector<std::uint32_t> suivante;
        for (std::uint32_t p : rangee) {
            if (versLeHaut) {
                const Individu i = base.LireIndividu(p);
                for (std::uint32_t parent : {i.pere, i.mere})
                    if (parent) suivante.push_back(parent);
            } else {
                suivante.insert(suivante.end(), enfants[p].begin(), enfants[p].end());
            }
        }
        rangee.swap(suivante);
    }
    return total;
}

// Parmi quelques milliers de candidats pris dans toute la base, les racines les plus fournies.
void choisirRacines(Genealogie& g) {
    const BaseGenealogique& base = *g.base;
    const std::uint32_t n = base.nombreIndividus();
    std::vector<std::vector<std::uint32_t>> enfants(std::size_t{n} + 1);
    std::vector<std::uint32_t> fondateurs;
    for (std::uint32_t p = 1; p <= n; ++p) {
        const Individu i = base.LireIndividu(p);
        if (i.pere) enfants[i.pere].push_back(p);
        if (i.mere) enfants[i.mere].push_back(p);
    }
    for (std::uint32_t p = 1; p <= n; ++p) {
        const Individu i = base.LireIndividu(p);
        if (!i.pere && !i.mere && !enfants[p].empty()) fondateurs.push_back(p);
    }
    const std::size_t pasF = std::max<std::size_t>(1, fondateurs.size() / 4000);
    const std::uint32_t pasA = std::max<std::uint32_t>(1, n / 4000);
    std::size_t plusDescendants = 0, plusAncetres = 0;
    for (std::size_t f = 0; f < fondateurs.size(); f += pasF)
        if (std::size_t c = compter(base, enfants, fondateurs[f], 15, false); c > plusDescendants) {
            plusDescendants = c;
            g.descendance = fondateurs[f];
        }
    for (std::uint32_t p = 1; p <= n; p += pasA)
        if (std::size_t c = compter(base, enfants, p, 9, true); c > plusAncetres) {
            plusAncetres = c;
            g.ascendance = p;
        }
    std::printf("racines : %u (%zu descendants sur 15 générations), %u (%zu ancêtres sur 9 générations)\n",
                g.descendance, plusDescendants, g.ascendance, plusAncetres);
}

ContexteDocument contexteDe(const Genealogie& g) {
    ContexteDocument contexte;
    contexte.base = g.base;
    contexte.polices = policesChargees();
    contexte.tablesDerivees = [&g]() -> const TablesDerivees& { return g.tables; };
    return contexte;
}

template <class R>
void dessiner(benchmark::State& etat, const Genealogie& g, std::uint32_t racine, const char* nom) {
    const ContexteDocument contexte = contexteDe(g);
    const fs::path chemin = dossierTemporaire() / nom;
    for (auto _ : etat) {
        auto debut = std::chrono::steady_clock::now();
        R roue(*afficheurDeCode(R::kCode));
        roue.initialiserParametres(contexte);
        roue.valeur(kRacine) = static_cast<std::int32_t>(racine);
        roue.preparer(contexte);
        roue.chemin = chemin.string();
        roue.ecrire();
        std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        const int anneaux = roue.allocation() ? roue.allocation()->anneauxPlaces() : 0;
        std::printf("%s : %zu noms, %d anneaux descendants, %.3f s (fichier de %ju octets)\n", nom,
                    roue.dessin().textes.size(), anneaux, duree.count(),
                    static_cast<std::uintmax_t>(fs::file_size(chemin)));
    }
    std::error_code ec;
    fs::remove(chemin, ec);
}

void partager(benchmark::State& etat, const Genealogie& g, std::uint32_t racine) {
    int anneaux = 0;
    for (auto _ : etat) {
        AllocationDescendante a = AllocationDescendante::calculer(*g.base, g.tables, racine, {});
        anneaux = a.anneauxQuiTiennent();
        benchmark::DoNotOptimize(anneaux);
    }
    etat.counters["anneaux"] = anneaux;
}

const Genealogie& million() {
    static std::optional<BaseGenealogique> base;
    static Genealogie g;
    if (!base) {
        auto debut = std::chrono::steady_clock::now();
        base = mesure::GenealogieDeMesure(1000000).construire();
        g.base = &*base;
        g.tables = calculerTablesDerivees(*base, 2024);
        choisirRacines(g);
        std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::printf("Généalogie de mesure : %u personnes et tables dérivées en %.1f s\n", base->nombreIndividus(),
                    duree.count());
    }
    return g;
}

const Genealogie* royal92() {
    static std::optional<ResultatImport> import;
    static Genealogie g;
    if (!import) {
        const fs::path fichier = fs::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf" / "royal92.ged";
        if (!fs::exists(fichier)) return nullptr;
        import = ImporterGedcom(fichier);
        g.base = &import->base;
        g.tables = calculerTablesDerivees(import->base, 2024);
        choisirRacines(g);
    }
    return &g;
}

void PartageDesAnglesSurUnMillion(benchmark::State& etat) { partager(etat, million(), million().descendance); }
void RoueDescendanteSurUnMillion(benchmark::State& etat) {
    dessiner<RoueDescendante>(etat, million(), million().descendance, "lignara-bench-RD-million.pdf");
}
void RoueMixteSurUnMillion(benchmark::State& etat) {
    dessiner<RoueMixte>(etat, million(), million().ascendance, "lignara-bench-RM-million.pdf");
}
void RoueAscendanteSurUnMillion(benchmark::State& etat) {
    dessiner<RoueAscendante>(etat, million(), million().ascendance, "lignara-bench-RA-million.pdf");
}
void RouesDeRoyal92(benchmark::State& etat) {
    const Genealogie* g = royal92();
    if (!g) {
        etat.SkipWithError("royal92.ged absent des données de test");
        return;
    }
    dessiner<RoueDescendante>(etat, *g, g->descendance, "lignara-bench-RD-royal92.pdf");
}

}  // namespace

BENCHMARK(PartageDesAnglesSurUnMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(RoueDescendanteSurUnMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RoueMixteSurUnMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RoueAscendanteSurUnMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RouesDeRoyal92)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
