// Débit de l'écrivain PDF : production du contenu des pages (opérateurs par seconde), puis
// compression et écriture du fichier (Mo/s). La mémoire reste celle des morceaux de 1000
// octets gardés : aucun tampon de page n'est recopié en entier.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "commun/MetriquePolice.h"
#include "render/pdf/ContenuPage.h"
#include "render/pdf/FichierPdf.h"
#include "render/pdf/ObjetPdfDocument.h"
#include "render/pdf/ObjetPdfFormat.h"
#include "render/pdf/ObjetPdfInfo.h"
#include "render/pdf/ObjetPdfListePages.h"
#include "render/pdf/ObjetPdfPage.h"
#include "render/pdf/ObjetPdfPolice.h"
#include "render/pdf/ObjetPdfStreamPage.h"

using namespace lignara;

namespace {

constexpr std::uint32_t kTrait = 0x006400;

// Une boîte d'arbre : quatre traits et deux lignes de texte, comme en dessinent les arbres.
void dessinerBoite(ContenuPage& page, StyleTrace& s, std::int32_t x, std::int32_t y) {
    page.ligne(s, x, y, x + 2400, y);
    page.ligne(s, x + 2400, y, x + 2400, y + 944);
    page.ligne(s, x, y + 944, x + 2400, y + 944);
    page.ligne(s, x, y, x, y + 944);
    page.texte(s, x + 40, y + 700, "DUPONT Jean-Baptiste");
    page.texte(s, x + 40, y + 524, "\xB0 12 f\xE9vrier 1843 \xE0 Saint-\xC9tienne");
}

void BM_ProductionDuContenu(benchmark::State& etat) {
    StyleTrace s;
    s.couleurTrait = kTrait;
    std::int64_t operateurs = 0, octets = 0;
    for (auto _ : etat) {
        ContenuPage page(kTrait, 0);
        for (int i = 0; i < 10000; ++i) dessinerBoite(page, s, (i % 4) * 2600, (i / 4 % 13) * 1000);
        operateurs += 60000;
        octets += static_cast<std::int64_t>(page.taille());
        benchmark::DoNotOptimize(page.nombreMorceaux());
    }
    etat.counters["operateurs/s"] = benchmark::Counter(static_cast<double>(operateurs), benchmark::Counter::kIsRate);
    etat.SetBytesProcessed(octets);
}
BENCHMARK(BM_ProductionDuContenu)->Unit(benchmark::kMillisecond);

// Fichier complet : primitives réparties sur des pages, puis écriture compressée.
void BM_DocumentComplet(benchmark::State& etat) {
    const int pages = static_cast<int>(etat.range(0));
    const int primitivesParPage = static_cast<int>(etat.range(1));
    auto chemin = std::filesystem::temp_directory_path() / "lignara-bench.pdf";
    MetriquePolice police;
    police.premierCaractere = 32;
    StyleTrace s;
    s.couleurTrait = kTrait;
    std::int64_t primitives = 0, octetsEcrits = 0;
    for (auto _ : etat) {
        TableauPages tableau(static_cast<std::size_t>(pages));
        FichierPdf fichier;
        ContextePdf c;
        c.info = fichier.creer<ObjetPdfInfo>("Essai", "https://lignara.example", Horloge::fixee(0)).numero();
        c.policeReguliere = creerObjetsPolice(fichier, police, "Arial");
        c.format = fichier.creer<ObjetPdfFormat>().numero();
        c.listePages = fichier.creer<ObjetPdfListePages>(tableau).numero();
        c.catalogue = fichier.creer<ObjetPdfDocument>().numero();
        for (int p = 0; p < pages; ++p) {
            auto& contenu = tableau[static_cast<std::size_t>(p)];
            contenu = std::make_unique<ContenuPage>(kTrait, 0);
            auto& flux = fichier.creer<ObjetPdfStreamPage>(*contenu, -567 * p, 0);
            contenu->attacherPage(fichier.creer<ObjetPdfPage>(flux, 9072, 13024));
            for (int i = 0; i < primitivesParPage / 6; ++i)
                dessinerBoite(*contenu, s, 9072 * p + (i % 3) * 2800, (i / 3 % 12) * 1050);
        }
        std::ofstream sortie(chemin, std::ios::binary);
        fichier.ecrire(sortie, c);
        octetsEcrits += static_cast<std::int64_t>(sortie.tellp());
        primitives += static_cast<std::int64_t>(pages) * (primitivesParPage / 6 * 6);
    }
    std::filesystem::remove(chemin);
    etat.counters["primitives/s"] = benchmark::Counter(static_cast<double>(primitives), benchmark::Counter::kIsRate);
    etat.counters["Mo_compresses/s"] =
        benchmark::Counter(static_cast<double>(octetsEcrits) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DocumentComplet)->Args({100, 2000})->Args({1000, 2000})->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
