// Débit de la lecture des dates sur les valeurs DATE des fichiers GEDCOM réels (objectif :
// au moins 5 millions de LireDate par seconde).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dates/DateFormat.h"
#include "dates/DateLecture.h"

using namespace lignara;

namespace {

namespace fs = std::filesystem;

void ajouterDates(const std::string& contenu, std::vector<std::string>& dates) {
    std::size_t debut = 0;
    while (debut < contenu.size()) {
        const std::size_t fin = std::min(contenu.find_first_of("\r\n", debut), contenu.size());
        const std::string_view ligne = std::string_view(contenu).substr(debut, fin - debut);
        const std::size_t p = ligne.find(" DATE ");
        if (p != std::string_view::npos && p > 0 && p <= 4 && ligne.find_first_not_of("0123456789 ") == p + 1)
            dates.emplace_back(ligne.substr(p + 6));
        debut = fin + 1;
    }
}

const std::vector<std::string>& datesDeTest() {
    static const std::vector<std::string> dates = [] {
        std::vector<std::string> d;
        if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA)) return d;
        for (const auto& e : fs::recursive_directory_iterator(LIGNARA_DOSSIER_TESTDATA)) {
            std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".ged" && ext != ".GED")) continue;
            std::ifstream f(e.path(), std::ios::binary);
            ajouterDates(std::string{std::istreambuf_iterator<char>(f), {}}, d);
        }
        return d;
    }();
    return dates;
}

void mesurerLecture(benchmark::State& etat, bool estimeesPermises) {
    const auto& dates = datesDeTest();
    if (dates.empty()) {
        etat.SkipWithError("fichiers GEDCOM de test absents");
        return;
    }
    for (auto _ : etat) {
        for (const std::string& t : dates) {
            DateGed d;
            benchmark::DoNotOptimize(LireDate(t, estimeesPermises, d));
            benchmark::DoNotOptimize(d);
        }
    }
    etat.SetItemsProcessed(etat.iterations() * static_cast<std::int64_t>(dates.size()));
    etat.counters["dates"] = static_cast<double>(dates.size());
}

void BM_LireDate(benchmark::State& etat) { mesurerLecture(etat, false); }
void BM_LireDateEstimeesPermises(benchmark::State& etat) { mesurerLecture(etat, true); }

void BM_FormaterDate(benchmark::State& etat) {
    std::vector<DateGed> lues;
    for (const std::string& t : datesDeTest()) {
        DateGed d;
        if (LireDate(t, false, d) && !d.absente()) lues.push_back(d);
    }
    if (lues.empty()) {
        etat.SkipWithError("fichiers GEDCOM de test absents");
        return;
    }
    // Une police de chasse fixe suffit : seule la somme des largeurs compte.
    MetriquePolice police;
    std::fill(std::begin(police.largeurs), std::end(police.largeurs), std::int16_t{556});
    for (auto _ : etat)
        for (const DateGed& d : lues) benchmark::DoNotOptimize(FormaterDate(d, FormatJourMois, 500, police));
    etat.SetItemsProcessed(etat.iterations() * static_cast<std::int64_t>(lues.size()));
}

}  // namespace

BENCHMARK(BM_LireDate);
BENCHMARK(BM_LireDateEstimeesPermises);
BENCHMARK(BM_FormaterDate);
BENCHMARK_MAIN();
