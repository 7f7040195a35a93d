// Frises, PDF compris (objectif : moins d'une seconde chacune) :
//  - royal92.ged (données de test) : frise ascendante de tous les ascendants de la reine Victoria,
//    frise de ses générations ascendantes, et une frise individuelle par ascendant, chacune relue
//    dans le GEDCOM ;
//  - généalogie de mesure d'un million de personnes (GenealogieDeMesure) : générations
//    descendantes d'un fondateur, conjoints compris, et frise descendante de 8 générations.
// Les temps de chaque tour sont affichés ; le PDF est écrit dans le dossier temporaire puis effacé.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "GenealogieDeMesure.h"
#include "commun/Dossiers.h"
#include "documents/Afficheur.h"
#include "documents/frises/FriseGenerations.h"
#include "documents/frises/FriseIndividuelle.h"
#include "documents/frises/FriseLignees.h"
#include "database/TablesDerivees.h"
#include "gedcom/ImporterGedcom.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

// Un document complet : préparation, mise en page et fichier PDF.
template <class D, class Regler>
void dessiner(benchmark::State& etat, const ContexteDocument& contexte, std::uint8_t code, std::uint32_t racine,
              Regler regler, const char* nom) {
    const fs::path chemin = dossierTemporaire() / nom;
    for (auto _ : etat) {
        auto debut = std::chrono::steady_clock::now();
        D d(*afficheurDeCode(code));
        d.initialiserParametres(contexte);
        d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        regler(d);
        if (!d.verifierParametres(contexte)) {
            etat.SkipWithError("paramètres refusés");
            return;
        }
        d.preparer(contexte);
        d.chemin = chemin.string();
        d.ecrire();
        std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::printf("%s : hauteur %d unités, %.3f s (fichier de %ju octets)\n", nom, d.hauteur, duree.count(),
                    static_cast<std::uintmax_t>(fs::file_size(chemin)));
    }
    std::error_code ec;
    fs::remove(chemin, ec);
}

struct Royal92 {
    ResultatImport import;
    TablesDerivees tables;
    SourcesGedcom sources;
    ContexteDocument contexte;
};

// royal92.ged importé une fois ; la reine Victoria y est la première personne (@I1@).
Royal92* royal92(benchmark::State& etat) {
    static std::optional<Royal92> r;
    if (r) return &*r;
    const fs::path fichier = fs::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf" / "royal92.ged";
    if (!fs::exists(fichier)) {
        etat.SkipWithError("royal92.ged absent des données de test");
        return nullptr;
    }
    r.emplace();
    r->import = ImporterGedcom(fichier);
    r->sources = SourcesGedcom(r->import.fichiers, nullptr);
    r->tables = calculerTablesDerivees(r->import.base, 2024);
    r->contexte.base = &r->import.base;
    r->contexte.tablesDerivees = [t = &r->tables]() -> const TablesDerivees& { return *t; };
    r->contexte.sourcesGedcom = &r->sources;
    r->contexte.polices = policesChargees();
    return &*r;
}

void TousLesAscendantsDeVictoria(benchmark::State& etat) {
    if (Royal92* r = royal92(etat))
        dessiner<FriseLignees>(
            etat, r->contexte, FriseLignees::kCodeAscendante, 1, [](auto&) {}, "lignara-bench-FA-victoria.pdf");
}

void GenerationsAscendantesDeVictoria(benchmark::State& etat) {
    if (Royal92* r = royal92(etat))
        dessiner<FriseGenerations>(
            etat, r->contexte, FriseGenerations::kCodeAscendante, 1, [](auto&) {}, "lignara-bench-FG-victoria.pdf");
}

void UneFriseParAscendantDeVictoria(benchmark::State& etat) {
    if (Royal92* r = royal92(etat))
        dessiner<FriseIndividuelle>(
            etat, r->contexte, FriseIndividuelle::kCodeAscendants, 1, [](auto&) {}, "lignara-bench-FI-victoria.pdf");
}

struct Million {
    BaseGenealogique base;
    TablesDerivees tables;  // calculées une fois, comme le fait le fil de dérivation
    ContexteDocument contexte;
    std::uint32_t fondateur = 0;
};

// L'ancêtre le plus haut de la plus longue lignée paternelle parmi mille personnes : sa
// descendance compte au moins autant de générations.
Million& million() {
    static std::optional<Million> m;
    if (m) return *m;
    auto debut = std::chrono::steady_clock::now();
    m.emplace();
    m->base = mesure::GenealogieDeMesure(1000000).construire();
    m->tables = calculerTablesDerivees(m->base, 2024);
    m->contexte.base = &m->base;
    m->contexte.tablesDerivees = [t = &m->tables]() -> const TablesDerivees& { return *t; };
    m->contexte.polices = policesChargees();
    int plus = 0;
    for (std::uint32_t p = 1; p <= m->base.nombreIndividus() && p <= 1000; ++p) {
        std::uint32_t haut = p;
        int generations = 1;
        for (std::uint32_t pere = m->base.LireIndividu(p).pere; pere != 0 && generations < 1000; ++generations) {
            haut = pere;
            pere = m->base.LireIndividu(pere).pere;
        }
        if (generations > plus) {
            plus = generations;
            m->fondateur = haut;
        }
    }
    std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    std::printf("Généalogie de mesure : %u personnes en %.1f s ; fondateur %u, %d générations au moins\n",
                m->base.nombreIndividus(), duree.count(), m->fondateur, plus);
    return *m;
}

void GenerationsDescendantesSurUnMillion(benchmark::State& etat) {
    Million& m = million();
    dessiner<FriseGenerations>(
        etat, m.contexte, FriseGenerations::kCodeDescendante, m.fondateur,
        [](FriseGenerations& d) { d.valeur(kConjointsGenerations) = std::uint8_t{1}; }, "lignara-bench-FG-million.pdf");
}

void HuitGenerationsDescendantesSurUnMillion(benchmark::State& etat) {
    Million& m = million();
    dessiner<FriseLignees>(
        etat, m.contexte, FriseLignees::kCodeDescendante, m.fondateur,
        [](FriseLignees& d) { d.valeur(kLimiteFrise) = std::uint8_t{8}; }, "lignara-bench-FD-million.pdf");
}

}  // namespace

BENCHMARK(TousLesAscendantsDeVictoria)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GenerationsAscendantesDeVictoria)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(UneFriseParAscendantDeVictoria)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GenerationsDescendantesSurUnMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HuitGenerationsDescendantesSurUnMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
