// Arbre ascendant, PDF compris (objectif : moins d'une seconde chacun) :
//  - 12 générations d'une personne de la généalogie de mesure d'un million de personnes
//    (GenealogieDeMesure, même fabrication qu'outil_generer_gedcom) ;
//  - 30 générations de la personne la plus profonde de royal92.ged (données de test).
// Les temps de chaque tour sont affichés ; le PDF est écrit dans le dossier temporaire puis effacé.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "ChoixRacines.h"
#include "FichiersDeMesure.h"
#include "GenealogieDeMesure.h"
#include "commun/Dossiers.h"
#include "documents/Afficheur.h"
#include "documents/arbres/ArbreAscendant.h"
#include "gedcom/ImporterGedcom.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

// Un arbre complet : préparation, mise en page et fichier PDF.
void dessiner(benchmark::State& etat, const BaseGenealogique& base, std::uint32_t racine, int limite, const char* nom) {
    ContexteDocument contexte;
    contexte.base = &base;
    contexte.polices = policesChargees();
    const fs::path chemin = dossierTemporaire() / nom;
    std::size_t boites = 0;
    for (auto _ : etat) {
        auto debut = std::chrono::steady_clock::now();
        ArbreAscendant d(*afficheurDeCode(ArbreAscendant::kCodeIndividuel));
        d.initialiserParametres(contexte);
        d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        d.valeur(kLimiteGenerations) = static_cast<std::uint8_t>(limite);
        d.preparer(contexte);
        d.chemin = chemin.string();
        d.ecrire();
        boites = d.arbre().nombreBoites();
        std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::printf("%s : %zu boîtes, %d générations, %.3f s (fichier de %ju octets)\n", nom, boites, limite,
                    duree.count(), static_cast<std::uintmax_t>(fs::file_size(chemin)));
    }
    etat.counters["boites"] = static_cast<double>(boites);
    std::error_code ec;
    fs::remove(chemin, ec);
}

void DouzeGenerationsSurUnMillionDePersonnes(benchmark::State& etat) {
    static std::optional<BaseGenealogique> base;
    static std::uint32_t racine = 0;
    static int generations = 0;
    if (!base) {
        auto debut = std::chrono::steady_clock::now();
        base = mesure::GenealogieDeMesure(1000000).construire();
        racine = mesure::plusProfonde(*base, generations, 12);
        std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::printf("Généalogie de mesure : %u personnes en %.1f s ; racine %u, %d générations connues\n",
                    base->nombreIndividus(), duree.count(), racine, generations);
    }
    dessiner(etat, *base, racine, 12, "lignara-bench-AA-million.pdf");
}

void TrenteGenerationsDeRoyal92(benchmark::State& etat) {
    const fs::path fichier = fs::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf" / "royal92.ged";
    if (!fs::exists(fichier)) {
        etat.SkipWithError("royal92.ged absent des données de test");
        return;
    }
    static std::optional<ResultatImport> import;
    static std::uint32_t racine = 0;
    static int generations = 0;
    if (!import) {
        import = ImporterGedcom(fichier);
        racine = mesure::plusProfonde(import->base, generations);
        std::printf("royal92.ged : racine %u, %d générations connues\n", racine, generations);
    }
    dessiner(etat, import->base, racine, 30, "lignara-bench-AA-royal92.pdf");
}

}  // namespace

BENCHMARK(DouzeGenerationsSurUnMillionDePersonnes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TrenteGenerationsDeRoyal92)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
