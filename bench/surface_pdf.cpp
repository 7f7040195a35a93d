// Débit de la surface PDF : un dessin de 2 000 000 de lignes et de textes réparti sur 1 000
// pages A4 (25 colonnes × 40 rangées), de l'ouverture au fichier écrit. Objectif : moins de
// 5 s. Affiche les primitives par seconde et les Mo écrits par seconde.
#include <filesystem>

#include <benchmark/benchmark.h>

#include "render/SurfacePdf.h"

using namespace lignara;

namespace {

constexpr int kColonnes = 25;
constexpr int kRangees = 40;
constexpr int kParPage = 1000;  // lignes, et autant de textes

void dessinerPage(SurfacePdf& s, std::int32_t x0, std::int32_t y0) {
    for (int i = 0; i < kParPage; ++i) {
        const std::int32_t y = y0 + 100 + (i % 70) * 176;
        const std::int32_t x = x0 + 100 + (i / 70) * 600;
        s.ligneHorizontale(x, y, x + 500);
        s.texte(x, y + 20, 500, 150, "Jean Dupont 1850");
    }
}

void BM_SurfacePdf(benchmark::State& etat) {
    ReglagesDessin reglages;
    reglages.formatPapier = kA4Portrait;
    reglages.margeGauche = reglages.margeDroite = reglages.margeHaut = reglages.margeBas = 0;
    const auto chemin = std::filesystem::temp_directory_path() / "lignara-bench-surface.pdf";
    std::uintmax_t octets = 0;
    for (auto _ : etat) {
        SurfacePdf s(reglages, PolicesDocument{}, Horloge::fixee(0));
        s.ouvrir(chemin, "Mesure", 100, kColonnes * 9072, kRangees * 13024);
        for (int c = 0; c < kColonnes; ++c)
            for (int r = 0; r < kRangees; ++r) dessinerPage(s, c * 9072, r * 13024);
        s.fermer();
        octets += std::filesystem::file_size(chemin);
    }
    const double primitives = 2.0 * kParPage * kColonnes * kRangees;
    etat.counters["primitives/s"] =
        benchmark::Counter(primitives * static_cast<double>(etat.iterations()), benchmark::Counter::kIsRate);
    etat.counters["Mo/s"] = benchmark::Counter(static_cast<double>(octets) / 1e6, benchmark::Counter::kIsRate);
    etat.counters["Mo"] = static_cast<double>(octets) / 1e6 / static_cast<double>(etat.iterations());
    std::filesystem::remove(chemin);
}

}  // namespace

BENCHMARK(BM_SurfacePdf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

BENCHMARK_MAIN();
