// Index des noms et clé phonétique. Objectifs : construction des deux index à au moins
// 1 million de personnes par seconde (base d'un million de personnes de GenealogieDeMesure),
// clé phonétique à au moins 2 millions de noms par seconde.
#include <benchmark/benchmark.h>

#include "GenealogieDeMesure.h"
#include "database/CleNom.h"
#include "database/ClePhonetique.h"
#include "database/IndexDesNoms.h"

using namespace lignara;

namespace {

mesure::GenealogieDeMesure& genealogie() {
    static mesure::GenealogieDeMesure g(1'000'000);
    return g;
}

const BaseGenealogique& base() {
    static BaseGenealogique b = genealogie().construire();
    return b;
}

void ConstruireLesIndexDesNoms(benchmark::State& etat) {
    const BaseGenealogique& b = base();
    for (auto _ : etat) {
        IndexDesNoms index = construireIndexDesNoms(b);
        benchmark::DoNotOptimize(index.noms.taille());
    }
    etat.counters["personnes"] = b.nombreIndividus();
    etat.SetItemsProcessed(etat.iterations() * b.nombreIndividus());
}
BENCHMARK(ConstruireLesIndexDesNoms)->Unit(benchmark::kMillisecond);

// Noms tous différents, lus un à un : la clé n'est jamais reprise d'un nom déjà vu.
void ClePhonetiqueDesNoms(benchmark::State& etat) {
    const std::vector<std::string>& noms = genealogie().noms();
    std::size_t k = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(ClePhonetique(noms[k]));
        if (++k == noms.size()) k = 0;
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(ClePhonetiqueDesNoms);

void CleNomDesNoms(benchmark::State& etat) {
    const std::vector<std::string>& noms = genealogie().noms();
    std::size_t k = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(CleNom(noms[k]));
        if (++k == noms.size()) k = 0;
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(CleNomDesNoms);

}  // namespace

BENCHMARK_MAIN();
