// Listes ascendante et descendante sur la généalogie de mesure d'un million de personnes
// (GenealogieDeMesure, même fabrication qu'outil_generer_gedcom), branches doubles non montrées
// (préférences par défaut) ; objectif : moins d'une seconde chacune.
//  - liste ascendante sur 30 générations de la personne à l'ascendance la plus fournie (parmi
//    celles qui ont au moins 20 générations connues) ;
//  - liste descendante complète du fondateur à la plus grande descendance (parmi les 3000
//    premiers fondateurs).
// Chaque tour affiche le temps de la préparation (construction et textes) et de l'écriture du
// texte ; l'écriture Web et PDF est mesurée à part. Les fichiers vont au dossier temporaire.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "ChoixRacines.h"
#include "GenealogieDeMesure.h"
#include "commun/Dossiers.h"
#include "documents/Afficheur.h"
#include "documents/listes/ListeAscendante.h"
#include "documents/listes/ListeDescendante.h"
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
    std::uint32_t ascendance = 0;  // racine de la liste ascendante
    std::uint32_t fondateur = 0;   // racine de la liste descendante
    std::size_t descendants = 0;
};

Million& million() {
    static std::optional<Million> m;
    if (!m) {
        const auto debut = Horloge_::now();
        m.emplace(Million{mesure::GenealogieDeMesure(1000000).construire()});
        int generations = 0;
        // Aucune personne n'a 30 générations connues : parmi celles qui en ont au moins 20,
        // celle dont l'ascendance est la plus fournie.
        m->ascendance = mesure::plusProfonde(m->base, generations, 20);
        m->fondateur = mesure::grandFondateur(m->base, m->descendants);
        std::printf(
            "Généalogie de mesure : %u personnes en %.1f s ; ascendance de %u (%d générations connues), "
            "fondateur %u (%zu descendants)\n",
            m->base.nombreIndividus(), secondesDepuis(debut), m->ascendance, generations, m->fondateur, m->descendants);
    }
    return *m;
}

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

// Prépare et écrit la liste au format donné ; affiche les temps et la taille.
template <class Liste, class Regler>
void mesurer(benchmark::State& etat, std::uint32_t racine, FormatSortie format, const char* nom, Regler&& regler) {
    Million& m = million();
    ContexteDocument contexte;
    contexte.base = &m.base;
    contexte.polices = policesChargees();
    const fs::path chemin = dossierTemporaire() / nom;
    for (auto _ : etat) {
        const auto debut = Horloge_::now();
        Liste d(*afficheurDeCode(Liste::kCode));
        d.initialiserParametres(contexte);
        d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        d.valeur(kFormat) = static_cast<std::uint8_t>(format);
        regler(d);
        d.preparer(contexte);
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

void TrenteGenerationsAscendantes(benchmark::State& etat, FormatSortie format, const char* nom) {
    mesurer<ListeAscendante>(etat, million().ascendance, format, nom,
                             [](ListeAscendante& d) { d.valeur(kLimiteGenerations) = std::uint8_t{30}; });
}

// Contrôle, hors mesure : les lignes de personnes de la descendance sont celles de la recherche
// faite à part par grandFondateur, et chaque « >> » mène à la personne ou au conjoint de son union.
void verifierDescendance() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    Million& m = million();
    ReglesDescendantes r;
    r.base = &m.base;
    r.racine = m.fondateur;
    const ListeDescendanteConstruite l = construireListeDescendante(r);
    std::size_t personnes = 0, renvois = 0, resolus = 0;
    for (std::size_t i = 0; i < l.lignes.size(); ++i) {
        const LigneListe& ligne = l.lignes[i];
        if (ligne.sorte == SorteLigneListe::Personne) ++personnes;
        if (ligne.sorte != SorteLigneListe::DejaListee) continue;
        ++renvois;
        const std::uint32_t conjoint =
            i > 0 && l.lignes[i - 1].sorte == SorteLigneListe::Conjoint ? l.lignes[i - 1].personne : 0;
        const std::uint32_t cible = ligne.valeur < i ? l.lignes[ligne.valeur].personne : 0;
        if (cible && (cible == ligne.personne || cible == conjoint)) ++resolus;
    }
    std::printf(
        "Contrôle de la descendance : %zu lignes de personnes pour %zu descendants (%s), %zu « >> » dont %zu "
        "résolus\n",
        personnes, m.descendants, personnes == m.descendants ? "égaux" : "DIFFÉRENTS", renvois, resolus);
}

void DescendanceComplete(benchmark::State& etat, FormatSortie format, const char* nom) {
    verifierDescendance();
    mesurer<ListeDescendante>(etat, million().fondateur, format, nom, [](ListeDescendante&) {});
}

}  // namespace

BENCHMARK_CAPTURE(TrenteGenerationsAscendantes, texte, FormatSortie::Texte, "lignara-bench-LA.txt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(TrenteGenerationsAscendantes, pdf, FormatSortie::Pdf, "lignara-bench-LA.pdf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(DescendanceComplete, texte, FormatSortie::Texte, "lignara-bench-LD.txt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(DescendanceComplete, web, FormatSortie::Web, "lignara-bench-LD.htm")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(DescendanceComplete, pdf, FormatSortie::Pdf, "lignara-bench-LD.pdf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_MAIN();
