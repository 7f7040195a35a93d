// Estimation des naissances et statut vital sur une généalogie d'un million de personnes
// (GenealogieDeMesure). Objectif : moins de 3 s pour calculerTablesDerivees.
#include <benchmark/benchmark.h>

#include "GenealogieDeMesure.h"
#include "database/TablesDerivees.h"

using namespace lignara;

namespace {

const BaseGenealogique& base() {
    static BaseGenealogique b = mesure::GenealogieDeMesure(1'000'000).construire();
    return b;
}

void EstimerUnMillionDePersonnes(benchmark::State& etat) {
    const BaseGenealogique& b = base();
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
BENCHMARK(EstimerUnMillionDePersonnes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
