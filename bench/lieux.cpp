// Débit de la normalisation des lieux sur les valeurs PLAC des fichiers GEDCOM de test
// (attendu : au moins un million par seconde).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "commun/Texte.h"
#include "gedcom/LieuNormaliseur.h"

using namespace lignara;
namespace fs = std::filesystem;

namespace {

bool estUtf8(std::string_view texte) {
    while (!texte.empty()) {
        char32_t c = 0;
        std::size_t l = decoderUtf8(texte, c);
        if (l == 0) return false;
        texte.remove_prefix(l);
    }
    return true;
}

void ajouterLieux(const fs::path& chemin, std::vector<std::string>& lieux) {
    std::ifstream f(chemin, std::ios::binary);
    std::string ligne;
    while (std::getline(f, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        std::size_t i = ligne.find(" PLAC ");
        if (i == std::string::npos || i == 0 || ligne.find_first_not_of(" 0123456789") != i + 1) continue;
        std::string valeur = ligne.substr(i + 6);
        lieux.push_back(estUtf8(valeur) ? depuisUtf8(valeur) : valeur);
    }
}

const std::vector<std::string>& lieuxDeTest() {
    static const std::vector<std::string> lieux = [] {
        std::vector<std::string> v;
        const fs::path dossier = LIGNARA_DOSSIER_TESTDATA;
        if (!fs::is_directory(dossier)) return v;
        for (const auto& e : fs::recursive_directory_iterator(dossier)) {
            auto ext = e.path().extension().string();
            if (e.is_regular_file() && (ext == ".ged" || ext == ".GED")) ajouterLieux(e.path(), v);
        }
        return v;
    }();
    return lieux;
}

void normaliserLesLieux(benchmark::State& etat, ReglagesLieux reglages) {
    const auto& lieux = lieuxDeTest();
    if (lieux.empty()) {
        etat.SkipWithError("aucun lieu : dossier des fichiers GEDCOM de test absent");
        return;
    }
    LieuNormaliseur normaliseur(reglages);
    for (auto _ : etat) {
        for (const auto& plac : lieux) benchmark::DoNotOptimize(normaliseur.normaliser(plac));
    }
    etat.SetItemsProcessed(etat.iterations() * static_cast<std::int64_t>(lieux.size()));
    etat.counters["lieux"] = static_cast<double>(lieux.size());
}

void BM_NormaliserLieuxFrance(benchmark::State& etat) { normaliserLesLieux(etat, {}); }

void BM_NormaliserLieuxSigles(benchmark::State& etat) {
    ReglagesLieux r;
    r.sigleTroisLettres = true;
    normaliserLesLieux(etat, r);
}

}  // namespace

BENCHMARK(BM_NormaliserLieuxFrance);
BENCHMARK(BM_NormaliserLieuxSigles);

BENCHMARK_MAIN();
