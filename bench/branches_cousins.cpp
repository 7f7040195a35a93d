// Liste des branches et liste de cousins au 8e degré sur la généalogie de mesure d'un million
// de personnes (GenealogieDeMesure) ; objectif : moins de 5 s chacune, préparation et écriture
// du texte comprises. La liste de cousins part de la personne à l'ascendance la plus fournie
// (parmi celles qui ont au moins 20 générations connues), triée par degré puis par date de
// naissance (années estimées calculées d'avance, comme le fil de dérivation les donne).
// Sans degré maximal, toute la parenté de la racine donne la croissance. Les fichiers vont au
// dossier temporaire.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <type_traits>
#include <vector>

#include "ChoixRacines.h"
#include "GenealogieDeMesure.h"
#include "commun/Dossiers.h"
#include "database/EnsemblePersonnes.h"
#include "database/Parente.h"
#include "database/TablesDerivees.h"
#include "documents/Afficheur.h"
#include "documents/listes/ListeBranches.h"
#include "documents/listes/ListeCousins.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;
using Horloge_ = std::chrono::steady_clock;

double secondesDepuis(Horloge_::time_point debut) {
    return std::chrono::duration<double>(Horloge_::now() - debut).count();
}

// La fabrication écrit la base sans passer par l'import, qui marque les têtes de branche : on
// les marque ici selon la même règle (sans parents, et une union avec enfants dont l'autre
// conjoint manque ou n'a pas de parents non plus).
void marquerTetesDeBranche(BaseGenealogique& base) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<std::uint8_t> sansParents(std::size_t{n} + 1, 0);
    std::vector<std::uint32_t> peres(std::size_t{n} + 1), meres(std::size_t{n} + 1);
    for (std::uint32_t p = 1; p <= n; ++p) {
        const Individu i = base.LireIndividu(p);
        peres[p] = i.pere;
        meres[p] = i.mere;
        sansParents[p] = i.pere == 0 && i.mere == 0;
    }
    EnsemblePersonnes tetes(n);
    for (std::uint32_t e = 1; e <= n; ++e) {
        const std::uint32_t pere = peres[e], mere = meres[e];
        if (pere && sansParents[pere] && (mere == 0 || sansParents[mere])) tetes.ajouter(pere);
        if (mere && sansParents[mere] && (pere == 0 || sansParents[pere])) tetes.ajouter(mere);
    }
    base.fixerTetesDeBranche(std::move(tetes));
}

struct Million {
    BaseGenealogique base;
    TablesDerivees tables;
    std::uint32_t racine = 0;
};

Million& million() {
    static std::optional<Million> m;
    if (!m) {
        const auto debut = Horloge_::now();
        m.emplace(Million{mesure::GenealogieDeMesure(1000000).construire(), {}, 0});
        marquerTetesDeBranche(m->base);
        m->tables = calculerTablesDerivees(m->base, 2026);
        std::size_t descendants = 0;
        m->racine = mesure::grandFondateur(m->base, descendants);
        for (int g = 0; g < 5; ++g) {
            std::uint32_t suivant = 0;
            for (const FamilleConjoint& f : Conjoints(m->base, m->racine))
                if (!suivant && f.premierEnfant) suivant = Enfants(m->base, f.fiche).back();
            if (!suivant) break;
            m->racine = suivant;
        }
        std::printf("Généalogie de mesure : %u personnes, %u têtes de branche, en %.1f s ; racine %u\n",
                    m->base.nombreIndividus(), m->base.TetesDeBranche().nombre(), secondesDepuis(debut), m->racine);
    }
    return *m;
}

template <class Liste, class Regler>
void mesurer(benchmark::State& etat, const char* nom, Regler&& regler) {
    Million& m = million();
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    ContexteDocument contexte;
    contexte.base = &m.base;
    contexte.polices = polices;
    contexte.tablesDerivees = [&m]() -> const TablesDerivees& { return m.tables; };
    const fs::path chemin = dossierTemporaire() / nom;
    for (auto _ : etat) {
        const auto debut = Horloge_::now();
        Liste d(*afficheurDeCode(Liste::kCode));
        d.initialiserParametres(contexte);
        d.valeur(kFormat) = static_cast<std::uint8_t>(FormatSortie::Texte);
        regler(d);
        d.preparer(contexte);
        if constexpr (std::is_same_v<Liste, ListeCousins>) std::printf("%zu cousins\n", d.liste().entrees.size());
        const double preparation = secondesDepuis(debut);
        d.chemin = chemin.string();
        d.ecrire();
        std::printf("%s : préparation %.3f s, écriture %.3f s, total %.3f s (fichier de %ju octets)\n", nom,
                    preparation, secondesDepuis(debut) - preparation, secondesDepuis(debut),
                    static_cast<std::uintmax_t>(fs::file_size(chemin)));
    }
    std::error_code ec;
    fs::remove(chemin, ec);
}

void Branches(benchmark::State& etat, std::uint8_t tri) {
    mesurer<ListeBranches>(etat, "lignara-bench-LB.txt", [tri](ListeBranches& d) { d.valeur(kTriBranches) = tri; });
}

void Cousins(benchmark::State& etat, std::uint16_t degre, std::uint8_t tri) {
    mesurer<ListeCousins>(etat, "lignara-bench-LC.txt", [degre, tri](ListeCousins& d) {
        d.valeur(kRacine) = static_cast<std::int32_t>(million().racine);
        d.valeur(kDegreMaximal) = degre;
        d.valeur(kTriCousins) = tri;
    });
}

}  // namespace

BENCHMARK_CAPTURE(Branches, parPatronyme, std::uint8_t{0})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Branches, parDescendants, std::uint8_t{3})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Cousins, huitiemeDegreParDegre, std::uint16_t{8}, std::uint8_t{0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Cousins, huitiemeDegreParDate, std::uint16_t{8}, std::uint8_t{2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
// Sans degré maximal : toute la parenté de la racine, pour voir la croissance.
BENCHMARK_CAPTURE(Cousins, sansLimiteParNom, std::uint16_t{0}, std::uint8_t{1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_MAIN();
