// Tableaux de parenté sur la généalogie de mesure d'un million de personnes (GenealogieDeMesure,
// même fabrication qu'outil_generer_gedcom) : tableau des consanguinités complet, trié par degré
// (objectif : moins de 10 s, graphe, textes et écriture compris), en PDF et en texte ; tableau
// ascendant de la personne à l'ascendance la plus fournie, en Web.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "ChoixRacines.h"
#include "GenealogieDeMesure.h"
#include "commun/Dossiers.h"
#include "documents/Afficheur.h"
#include "documents/tableaux/TableauAscendant.h"
#include "documents/tableaux/TableauConsanguinites.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;
using Horloge_ = std::chrono::steady_clock;

double secondesDepuis(Horloge_::time_point debut) {
    return std::chrono::duration<double>(Horloge_::now() - debut).count();
}

struct Million {
    BaseGenealogique base;
    std::uint32_t ascendance = 0;
};

Million& million() {
    static std::optional<Million> m;
    if (!m) {
        const auto debut = Horloge_::now();
        m.emplace(Million{mesure::GenealogieDeMesure(1000000).construire()});
        int generations = 0;
        m->ascendance = mesure::plusProfonde(m->base, generations, 20);
        std::printf("Généalogie de mesure : %u personnes en %.1f s\n", m->base.nombreIndividus(), secondesDepuis(debut));
    }
    return *m;
}

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

template <class D>
void mesurer(benchmark::State& etat, std::uint32_t racine, FormatSortie format, const char* nom) {
    Million& m = million();
    ContexteDocument contexte;
    contexte.base = &m.base;
    contexte.polices = policesChargees();
    const fs::path chemin = dossierTemporaire() / nom;
    for (auto _ : etat) {
        const auto debut = Horloge_::now();
        D d(*afficheurDeCode(D::kCode));
        d.initialiserParametres(contexte);
        if (racine) d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        d.valeur(kFormat) = static_cast<std::uint8_t>(format);
        d.preparer(contexte);
        const double preparation = secondesDepuis(debut);
        d.chemin = chemin.string();
        d.ecrire();
        std::printf("%s : préparation %.3f s, écriture %.3f s, total %.3f s (fichier de %ju octets)\n", nom, preparation,
                    secondesDepuis(debut) - preparation, secondesDepuis(debut),
                    static_cast<std::uintmax_t>(fs::file_size(chemin)));
    }
    std::error_code ec;
    fs::remove(chemin, ec);
}

void ConsanguinitesPdf(benchmark::State& etat) {
    mesurer<TableauConsanguinites>(etat, 0, FormatSortie::Pdf, "lignara-bench-consanguinites.pdf");
}
void ConsanguinitesTexte(benchmark::State& etat) {
    mesurer<TableauConsanguinites>(etat, 0, FormatSortie::Texte, "lignara-bench-consanguinites.txt");
}
void TableauAscendantWeb(benchmark::State& etat) {
    mesurer<TableauAscendant>(etat, million().ascendance, FormatSortie::Web, "lignara-bench-tableau-ascendant.html");
}

BENCHMARK(ConsanguinitesPdf)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(ConsanguinitesTexte)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(TableauAscendantWeb)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
