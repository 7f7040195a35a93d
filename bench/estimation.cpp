// Estimation des naissances et statut vital sur une généalogie d'un million de personnes
// (GenealogieDeMesure). Objectif : moins de 3 s pour calculerTablesDerivees, même quand une
// boucle de parenté pousse l'estimation jusqu'à sa limite de passes.
#include <benchmark/benchmark.h>

#include "GenealogieDeMesure.h"
#include "database/TablesDerivees.h"

using namespace lignara;

namespace {

const BaseGenealogique& base() {
    static BaseGenealogique b = mesure::GenealogieDeMesure(1'000'000).construire();
    return b;
}

// La même, plus une personne qui est sa propre mère et dont les bornes avancent de 21 ans
// par passe : l'estimation va jusqu'à la limite de passes.
const BaseGenealogique& baseAvecBoucle() {
    static BaseGenealogique b = [] {
        mesure::GenealogieDeMesure g(1'000'000);
        g.ajouterBoucleLente();
        return g.construire();
    }();
    return b;
}

void estimer(benchmark::State& etat, const BaseGenealogique& b) {
    TablesDerivees t;
    for (auto _ : etat) {
        t = calculerTablesDerivees(b, 2026);
        benchmark::DoNotOptimize(t.anneesNaissance.data());
    }
    std::size_t estimees = 0, vivants = 0;
    for (std::uint32_t p = 1; p <= b.nombreIndividus(); ++p) {
        estimees += t.AnneeNaissanceEstimee(p) != 9999;
        vivants += t.StatutVital(p) == 'v';
    }
    etat.counters["personnes"] = b.nombreIndividus();
    etat.counters["passes"] = t.passes;
    etat.counters["estimees"] = static_cast<double>(estimees);
    etat.counters["vivants"] = static_cast<double>(vivants);
    etat.SetItemsProcessed(etat.iterations() * b.nombreIndividus());
}

void EstimerUnMillionDePersonnes(benchmark::State& etat) { estimer(etat, base()); }
BENCHMARK(EstimerUnMillionDePersonnes)->Unit(benchmark::kMillisecond)->Iterations(3);

void EstimerAvecUneBoucleDeParente(benchmark::State& etat) { estimer(etat, baseAvecBoucle()); }
BENCHMARK(EstimerAvecUneBoucleDeParente)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
