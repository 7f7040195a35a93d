// Liste des personnes de la consultation et de la liste ancrée, sur la base d'un million de
// personnes de GenealogieDeMesure. Objectifs : la liste s'ouvre (premier écran de 40 lignes lu)
// en moins d'une seconde ; une frappe dans le filtre répond en moins de 100 ms, en mode normal
// comme en mode phonétique (la clé large de chaque nom est calculée une fois, à la première
// frappe phonétique, mesurée à part).
#include <benchmark/benchmark.h>

#include "GenealogieDeMesure.h"
#include "database/IndexDesNoms.h"
#include "session/ListePersonnes.h"

using namespace lignara;

namespace {

struct Fichier {
    Fichier() : base(mesure::GenealogieDeMesure(1'000'000).construire()), index(construireIndexDesNoms(base)) {}
    BaseGenealogique base;
    IndexDesNoms index;
};

Fichier& fichier() {
    static Fichier f;
    return f;
}

// Un nom de famille fréquent de la généalogie, pour que le filtre retienne beaucoup de lignes.
std::string nomFrequent() {
    ListePersonnes l(fichier().base, fichier().index.noms);
    return l.ligne(l.taille() / 2).nom;
}

void OuvrirLaListe(benchmark::State& etat) {
    Fichier& f = fichier();
    for (auto _ : etat) {
        ListePersonnes liste(f.base, f.index.noms);
        liste.filtrer("", false);
        for (std::size_t i = 0; i < 40; ++i) benchmark::DoNotOptimize(liste.ligne(i).nom);
    }
    etat.counters["personnes"] = static_cast<double>(f.base.nombreIndividus());
}
BENCHMARK(OuvrirLaListe)->Unit(benchmark::kMillisecond);

void FrappeDuFiltre(benchmark::State& etat, bool phonetique) {
    Fichier& f = fichier();
    ListePersonnes liste(f.base, f.index.noms);
    const std::string nom = nomFrequent();
    liste.filtrer(nom, phonetique);  // clés larges calculées avant la mesure
    std::size_t k = 0;
    for (auto _ : etat) {
        // Une lettre de plus, puis une de moins : chaque tour refiltre.
        liste.filtrer(nom.substr(0, 3 + k % 2), phonetique);
        for (std::size_t i = 0; i < 40 && i < liste.taille(); ++i) benchmark::DoNotOptimize(liste.ligne(i).nom);
        ++k;
    }
    etat.counters["retenues"] = static_cast<double>(liste.taille());
}
BENCHMARK_CAPTURE(FrappeDuFiltre, normal, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FrappeDuFiltre, phonetique, true)->Unit(benchmark::kMillisecond);

void PremiereFrappePhonetique(benchmark::State& etat) {
    Fichier& f = fichier();
    const std::string nom = nomFrequent();
    for (auto _ : etat) {
        ListePersonnes liste(f.base, f.index.noms);
        liste.filtrer(nom, true);
        benchmark::DoNotOptimize(liste.taille());
    }
}
BENCHMARK(PremiereFrappePhonetique)->Unit(benchmark::kMillisecond);

void RechercheDeLaFenetreDeConsultation(benchmark::State& etat) {
    Fichier& f = fichier();
    ListePersonnes liste(f.base, f.index.noms);
    const std::string nom = nomFrequent() + " z";
    for (auto _ : etat) benchmark::DoNotOptimize(liste.premiereEntreeCommencantPar(nom, nullptr));
}
BENCHMARK(RechercheDeLaFenetreDeConsultation)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
