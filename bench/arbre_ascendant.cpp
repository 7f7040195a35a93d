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

// Personne qui a le plus de générations d'ascendants (et leur nombre) ; avec une limite, celle
// dont l'ascendance dans la limite est la plus fournie.
std::uint32_t plusProfonde(const BaseGenealogique& base, int& generations, int limite = 0) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<std::uint32_t> pere(n + 1), mere(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p) {
        Individu i = base.LireIndividu(p);
        pere[p] = i.pere;
        mere[p] = i.mere;
    }
    std::vector<int> profondeur(n + 1, -1);
    std::function<int(std::uint32_t, int)> calculer = [&](std::uint32_t p, int garde) -> int {
        if (p == 0 || garde > 400) return 0;
        if (profondeur[p] >= 0) return profondeur[p];
        return profondeur[p] = 1 + std::max(calculer(pere[p], garde + 1), calculer(mere[p], garde + 1));
    };
    std::uint32_t meilleure = 1;
    for (std::uint32_t p = 1; p <= n; ++p)
        if (calculer(p, 0) > calculer(meilleure, 0)) meilleure = p;
    generations = calculer(meilleure, 0);
    if (limite <= 0) return meilleure;
    // Parmi les personnes qui ont assez de générations, celle qui a le plus d'ascendants dans
    // la limite (quelques milliers d'essais) : l'arbre le plus fourni.
    std::size_t plus = 0, essais = 0;
    for (std::uint32_t p = n; p >= 1 && essais < 5000; --p) {
        if (calculer(p, 0) < limite) continue;
        ++essais;
        std::vector<std::uint32_t> rangee{p};
        std::size_t total = 1;
        for (int g = 1; g < limite && !rangee.empty(); ++g) {
            std::vector<std::uint32_t> suivante;
            for (std::uint32_t q : rangee)
                for (std::uint32_t parent : {pere[q], mere[q]})
                    if (parent) suivante.push_back(parent);
            total += suivante.size();
            rangee.swap(suivante);
        }
        if (total > plus) {
            plus = total;
            meilleure = p;
        }
    }
    generations = calculer(meilleure, 0);
    return meilleure;
}

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

// Un arbre complet : préparation, mise en page et fichier PDF.
void dessiner(benchmark::State& etat, const BaseGenealogique& base, std::uint32_t racine, int limite,
              const char* nom) {
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
        racine = plusProfonde(*base, generations, 12);
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
        racine = plusProfonde(import->base, generations);
        std::printf("royal92.ged : racine %u, %d générations connues\n", racine, generations);
    }
    dessiner(etat, import->base, racine, 30, "lignara-bench-AA-royal92.pdf");
}

}  // namespace

BENCHMARK(DouzeGenerationsSurUnMillionDePersonnes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TrenteGenerationsDeRoyal92)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
