// Débit de lecture de la base de travail : un million d'individus écrits par EcrivainBase,
// relus depuis le cache de pages. Objectif : au moins 5 millions de LireIndividu par seconde.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "commun/Dossiers.h"
#include "database/BaseGenealogique.h"
#include "database/EcrivainBase.h"

using namespace lignara;

namespace {

constexpr std::uint32_t kIndividus = 1'000'000;

BaseGenealogique construireBase(std::uint32_t nombre) {
    EcrivainBase e({nombre, 0, 0}, dossierTemporaire());
    for (std::uint32_t n = 1; n <= nombre; ++n) {
        Individu i;
        i.nom = e.ajouterTexte(TableNoms, "NOM" + std::to_string(n % 5000));
        i.prenoms = e.ajouterTexte(TablePrenoms, "Prénom" + std::to_string(n % 800));
        i.decalageGedcom = n * 40;
        i.fratrie = -static_cast<std::int32_t>(n);
        e.ajouterIndividu(i);
    }
    return e.terminer();
}

// Construite une fois pour toutes les mesures, effacée à la fin du programme.
const BaseGenealogique& base() {
    static BaseGenealogique b = construireBase(kIndividus);
    return b;
}

std::vector<std::uint32_t> numerosAuHasard(std::size_t nombre) {
    std::mt19937 alea(501);
    std::vector<std::uint32_t> numeros(nombre);
    for (auto& n : numeros) n = static_cast<std::uint32_t>(alea() % kIndividus + 1);
    return numeros;
}

void LireIndividuDansLOrdre(benchmark::State& etat) {
    const BaseGenealogique& b = base();
    std::uint32_t n = 0;
    for (auto _ : etat) {
        n = n % kIndividus + 1;
        benchmark::DoNotOptimize(b.LireIndividu(n));
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(LireIndividuDansLOrdre);

void LireIndividuAuHasard(benchmark::State& etat) {
    const BaseGenealogique& b = base();
    const std::vector<std::uint32_t> numeros = numerosAuHasard(1 << 20);
    std::size_t k = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(b.LireIndividu(numeros[k++ & ((1 << 20) - 1)]));
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(LireIndividuAuHasard);

// Même lecture par pread, sans projection : un appel système par individu.
void LireIndividuParPread(benchmark::State& etat) {
    static BaseGenealogique b = BaseGenealogique::ouvrir(base().chemin(), BaseGenealogique::ModeLecture::Positions);
    const std::vector<std::uint32_t> numeros = numerosAuHasard(1 << 20);
    std::size_t k = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(b.LireIndividu(numeros[k++ & ((1 << 20) - 1)]));
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(LireIndividuParPread);

void LireIndividuDeuxThreads(benchmark::State& etat) {
    const BaseGenealogique& b = base();
    const std::vector<std::uint32_t> numeros = numerosAuHasard(1 << 20);
    std::size_t k = static_cast<std::size_t>(etat.thread_index()) * 4099;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(b.LireIndividu(numeros[k++ & ((1 << 20) - 1)]));
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(LireIndividuDeuxThreads)->Threads(2)->UseRealTime();

void LireNomEtPrenoms(benchmark::State& etat) {
    const BaseGenealogique& b = base();
    const std::vector<std::uint32_t> numeros = numerosAuHasard(1 << 16);
    std::size_t k = 0;
    for (auto _ : etat) {
        Individu i = b.LireIndividu(numeros[k++ & ((1 << 16) - 1)]);
        benchmark::DoNotOptimize(b.LireTexte(TableNoms, i.nom));
        benchmark::DoNotOptimize(b.LireTexte(TablePrenoms, i.prenoms));
    }
    etat.SetItemsProcessed(etat.iterations());
}
BENCHMARK(LireNomEtPrenoms);

// Écriture par l'import : cent mille individus avec leurs deux chaînes.
void EcrireCentMilleIndividus(benchmark::State& etat) {
    for (auto _ : etat) benchmark::DoNotOptimize(construireBase(100'000).nombreIndividus());
    etat.SetItemsProcessed(etat.iterations() * 100'000);
}
BENCHMARK(EcrireCentMilleIndividus)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
