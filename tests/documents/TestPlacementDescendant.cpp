#include "documents/arbres/PlacementDescendant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <limits>
#include <tuple>
#include <utility>
#include <string>
#include <vector>

#include "ArbreEssai.h"
#include "DescendanceEssai.h"
#include "database/Parente.h"
#include "documents/arbres/DocumentArbreDescendant.h"
#include "documents/arbres/PlacementArbre.h"
#include "gedcom/ImporterGedcom.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;

constexpr std::int32_t kEspace = 8;

// Aucune boîte n'en recouvre une autre : dans une rangée, 45 × s entre deux couples et l'écart
// de mariage dans un couple ; dans un arbre chronologique, entre toutes les boîtes dont les
// hauteurs se chevauchent.
void verifierSansChevauchement(const ArbreDescendant& a, bool chronologique, const std::string& cas) {
    std::vector<NoeudDescendant*> boites = a.rangees().boites();
    std::size_t fautes = 0;
    for (std::size_t i = 0; i < boites.size(); ++i) {
        const NoeudDescendant& b = *boites[i];
        EXPECT_GE(b.x, 0) << cas;
        if (b.precedent && (b.conjoint || !chronologique)) {
            const std::int32_t ecart = b.conjoint ? b.largeurMariage + kEcartMariage : 45 * kEspace;
            if (b.x < b.precedent->droite() + ecart && ++fautes < 5)
                ADD_FAILURE() << cas << " : " << b.precedent->personne << " et " << b.personne << " rangée "
                              << int{b.generation};
        }
        for (std::size_t j = i + 1; j < boites.size(); ++j) {
            const NoeudDescendant& c = *boites[j];
            const bool hauteurs = chronologique && b.position < c.position + 944 && c.position < b.position + 944;
            const bool largeurs = b.x < c.droite() && c.x < b.droite();
            if (hauteurs && largeurs && ++fautes < 5)
                ADD_FAILURE() << cas << " : " << b.personne << " et " << c.personne << " se recouvrent";
        }
    }
    EXPECT_EQ(fautes, 0u) << cas << " : " << boites.size() << " boîtes";
}

// Relaxation achevée : aucun bloc d'enfants à plus de 15 à gauche de son ancre, le plus proche juste dessous.
void verifierPendaison(const ArbreDescendant& a, const std::string& cas) {
    std::size_t fautes = 0;
    for (NoeudDescendant* t : a.rangees().boites()) {
        if (t->conjoint) continue;
        std::int32_t plusPetit = std::numeric_limits<std::int32_t>::max();
        for (const NoeudDescendant* f = t; f && (f == t || f->conjoint); f = f->suivant) {
            if (!f->aEnfants()) continue;
            const std::int32_t bloc = (f->premierEnfant->centre() + f->dernierEnfant->centre()) / 2;
            const std::int32_t excedent = bloc - ancreFamille(*f);
            plusPetit = std::min(plusPetit, excedent);
            if (excedent < -15 && ++fautes < 5)
                ADD_FAILURE() << cas << " : enfants de " << f->personne << " à gauche de " << -excedent;
        }
        if (plusPetit != std::numeric_limits<std::int32_t>::max() && plusPetit > 2 && ++fautes < 5)
            ADD_FAILURE() << cas << " : enfants de " << t->personne << " à droite de " << plusPetit;
    }
    EXPECT_EQ(fautes, 0u) << cas;
}

// Boîtes de largeurs données (sans textes) : 1000 pour une personne, plus pour celles citées.
struct Essai : essai::Descendance {
    using Descendance::Descendance;
    ArbreDescendant& placer(int racine, const std::map<int, std::int32_t>& largeurs = {}, int passes = 40,
                            bool chronologique = false) {
        individuel(racine);
        for (NoeudDescendant* x : arbre->rangees().boites()) {
            auto l = largeurs.find(std::stoi(essai::prenoms(b.base(), x->personne).substr(1)));
            x->largeur = l == largeurs.end() ? 1000 : l->second;
        }
        ReglesPlacementDescendant r;
        r.chronologique = chronologique;
        r.espace = kEspace;
        r.passesMax = passes;
        bilan = placerDescendance(arbre->rangees(), r);
        return *arbre;
    }
    BilanPlacement bilan;
};

TEST(PlacementDescendant, unEnfantSeulPendSousLAncreEtUnBlocSeCentreDessous) {
    // 1 × 2 : 3 ; 3 × 4 : 5, 6, 7.
    Essai e(essai::gedcomDeFamilles(7, {{1, 2, {3}, ""}, {3, 4, {5, 6, 7}, ""}}));
    ArbreDescendant& a = e.placer(1);
    EXPECT_TRUE(e.bilan.stable);
    EXPECT_EQ(e.bilan.reprises, 0u);
    const NoeudDescendant& epouse = *e.boite(0, 2);
    EXPECT_EQ(epouse.x, e.boite(0, 1)->droite() + kEcartMariage);
    EXPECT_EQ(e.boite(1, 3)->centre(), ancreFamille(epouse));
    const NoeudDescendant& bru = *e.boite(1, 4);
    EXPECT_EQ((e.boite(2, 5)->centre() + e.boite(2, 7)->centre()) / 2, ancreFamille(bru));
    verifierSansChevauchement(a, false, "simple");
}

// La personne de chaque fichier réel qui a le plus de descendants, par le document lui-même.
class PlacementDescendantReel : public essai::EssaiPolices, public ::testing::WithParamInterface<const char*> {};

std::uint32_t plusGrandeDescendance(const BaseGenealogique& base) {
    std::uint32_t meilleure = 1;
    std::size_t plus = 0;
    std::vector<std::uint32_t> vue(base.nombreIndividus() + 1, 0);
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (i.pere || i.mere || !i.premiereFamille) continue;  // elle part d'un fondateur
        std::vector<std::uint32_t> file{p};
        std::size_t total = 0;
        for (vue[p] = p; !file.empty(); ++total) {
            const std::uint32_t q = file.back();
            file.pop_back();
            for (const FamilleConjoint& f : Conjoints(base, q))
                for (std::uint32_t e : Enfants(base, f.fiche))
                    if (std::exchange(vue[e], p) != p) file.push_back(e);
        }
        if (total > plus) std::tie(plus, meilleure) = std::pair{total, p};
    }
    return meilleure;
}

TEST_P(PlacementDescendantReel, laPlusGrandeDescendanceSePlaceSansRecouvrement) {
    const std::string nom = GetParam();
    const fs::path fichier =
        nom.rfind("data/", 0) == 0 ? fs::path(LIGNARA_DOSSIER_SOURCES) / nom : fs::path(LIGNARA_DOSSIER_TESTDATA) / nom;
    if (!essai::fichierReelPresent(fichier)) GTEST_SKIP();
    essai::DonneesLivrees donnees;
    ResultatImport import = ImporterGedcom(fichier);
    ContexteDocument contexte;
    contexte.base = &import.base;
    contexte.polices = polices_;
    contexte.horloge = Horloge::fixee(1700000000);
    const std::uint32_t racine = plusGrandeDescendance(import.base);
    for (bool chronologique : {false, true}) {
        DocumentArbreDescendant d(*afficheurDeCode(DocumentArbreDescendant::kCode));
        d.initialiserParametres(contexte);
        d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        if (chronologique) d.valeur(kFondDePage) = std::string("Siècles"_1252);
        d.preparer(contexte);
        const std::string cas = nom + (d.chronologique() ? " chronologique" : "");
        verifierSansChevauchement(d.arbre(), d.chronologique(), cas);
        if (d.bilan().stable && d.bilan().reprises == 0) verifierPendaison(d.arbre(), cas);
        EXPECT_TRUE(d.chronologique() || d.bilan().stable) << cas << " : " << d.bilan().passes << " passes";
        for (const NoeudDescendant* b : d.arbre().rangees().boites())
            EXPECT_TRUE(b->droite() <= d.largeur && b->bas() >= 0 && b->y <= d.hauteur) << cas;
    }
}

INSTANTIATE_TEST_SUITE_P(Fichiers, PlacementDescendantReel,
                         ::testing::Values("data/exemples/famille-exemple.ged", "porges-mdf/royal92.ged",
                                           "dj-gedcom-samples/pres2020.ged", "findmypast-samples/Queen.ged"));

}  // namespace
}  // namespace lignara
