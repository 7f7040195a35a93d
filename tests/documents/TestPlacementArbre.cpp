#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "ArbreEssai.h"
#include "documents/arbres/ArbreAscendant.h"
#include "documents/arbres/PlacementArbre.h"
#include "commun/MetriquePolice.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;

// Personne qui a le plus de générations d'ascendants (boucles de parenté ignorées).
std::uint32_t plusProfonde(const BaseGenealogique& base) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<int> profondeur(n + 1, -1);
    std::vector<Individu> ind(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p) ind[p] = base.LireIndividu(p);
    std::function<int(std::uint32_t, int)> calculer = [&](std::uint32_t p, int garde) -> int {
        if (p == 0 || garde > 400) return 0;
        if (profondeur[p] >= 0) return profondeur[p];
        int d = 1 + std::max(calculer(ind[p].pere, garde + 1), calculer(ind[p].mere, garde + 1));
        return profondeur[p] = d;
    };
    std::uint32_t meilleure = 1;
    for (std::uint32_t p = 1; p <= n; ++p)
        if (calculer(p, 0) > calculer(meilleure, 0)) meilleure = p;
    return meilleure;
}

void verifierSansChevauchement(const ArbreAscendant& d, const std::string& cas) {
    SCOPED_TRACE(cas);
    std::vector<NoeudAscendant*> boites = d.arbre().boites();
    ASSERT_FALSE(boites.empty());
    std::vector<essai::BoiteEssai> v;
    for (const NoeudAscendant* a : boites) {
        v.push_back({a->x, a->bas(), a->droite(), a->y, a->personne});
        EXPECT_GE(a->largeur, largeurTexte(d.polices.reguliere, a->ligneNom) + 90);  // la boîte tient son nom
    }
    essai::verifierDisjointes(v, d.largeur, d.hauteur);
    // Par couple, l'écart entre les époux est toujours celui du texte de mariage, répétés compris.
    if (cas.find("couple") == std::string::npos) return;
    std::size_t ecartsFaux = 0;
    for (const NoeudAscendant* n : boites)
        if (n->pere && n->mere && !n->tronque)
            ecartsFaux += n->mere->x - n->pere->droite() != n->mere->largeurMariage + kEcartMariage;
    EXPECT_EQ(ecartsFaux, 0u);
}

class PlacementReel : public essai::EssaiPolices, public ::testing::WithParamInterface<const char*> {};

TEST_P(PlacementReel, aucuneBoiteNEnChevaucheUneAutre) {
    const std::string nom = GetParam();
    const fs::path fichier =
        nom.rfind("data/", 0) == 0 ? fs::path(LIGNARA_DOSSIER_SOURCES) / nom : fs::path(LIGNARA_DOSSIER_TESTDATA) / nom;
    if (!essai::fichierReelPresent(fichier)) GTEST_SKIP();
    BaseEssai b(lignara::essai::lireFichier(fichier));
    b.contexte.polices = polices_;
    const std::uint32_t racine = plusProfonde(b.base());
    // Familial : les parents de la personne la plus profonde.
    const Individu ind = b.base().LireIndividu(racine);
    for (bool familial : {false, true})
        for (std::uint8_t style : {std::uint8_t{0}, std::uint8_t{1}})
            for (bool chronologique : {false, true}) {
                if (familial && (ind.pere == 0 || ind.mere == 0)) continue;
                ArbreAscendant d(*afficheurDeCode(familial ? 38 : 1));
                d.initialiserParametres(b.contexte);
                d.valeur(kRacine) = static_cast<std::int32_t>(familial ? ind.pere : racine);
                if (familial) {
                    d.valeur(kConjoint) = static_cast<std::int32_t>(ind.mere);
                    ASSERT_TRUE(d.verifierParametres(b.contexte));
                }
                d.valeur(kStyleAscendant) = style;
                // Une chronologie absente : placement chronologique sans fond de page.
                if (chronologique) d.valeur(kFondDePage) = std::string("Absente");
                d.preparer(b.contexte);
                const std::string cas = std::string(GetParam()) + (familial ? " familial" : "") +
                                        (style ? " couple" : " classique") + (chronologique ? " chronologique" : "");
                verifierSansChevauchement(d, cas);
            }
}

INSTANTIATE_TEST_SUITE_P(FichiersReels, PlacementReel,
                         ::testing::Values("porges-mdf/royal92.ged", "findmypast-samples/Queen.ged",
                                           "data/exemples/famille-exemple.ged"));

}  // namespace
}  // namespace lignara
