#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "reference/CategorieAutomate.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"
#include "support/AlterationsStockees.h"

using namespace lignara;

namespace {

const std::string kDefinition =
    "Alimentation\r\n\tboulanger\r\n\tboucher\r\n"
    "Marine\r\n\tarmateur\r\n\tmarin\r\n\tcapitaine de navire\r\n"
    "Armée\r\n\tcapitaine\r\n\tgarde\r\n"
    "Administration\r\n\tgarde champêtre\r\n\tinstituteur\r\n\tvendeur\r\n\tpatron\r\n"
    "Clergé\r\n\tabbe\r\n"_1252;

std::vector<std::uint8_t> image() { return CategorieCompilateur(CategorieDefinition::lire(kDefinition), true).image(); }

CategorieAutomate automate() { return *CategorieAutomate::lire(image()); }
using V = std::vector<std::uint8_t>;
V categories(const std::string& texte) { return automate().categoriesDuTexte(texte); }

}  // namespace

TEST(CategorieAutomate, accordeFemininsMotsEntiersPlusLongueCorrespondanceEtResisteAuxOctetsInverses) {
    EXPECT_EQ(categories("Boulangère"_1252), V{0});
    EXPECT_EQ(categories("INSTITUTRICE"), V{3});
    EXPECT_EQ(categories("patronne"), V{3});
    EXPECT_EQ(categories("abbesse"), V{});
    // Un mot-clé ne s'accorde qu'en début de mot et en mot entier.
    EXPECT_EQ(categories("charmateur"), V{});
    EXPECT_EQ(categories("armateurs"), V{});
    EXPECT_EQ(categories("(armateur)"), V{1});
    // La correspondance la plus longue remplace la plus courte.
    EXPECT_EQ(categories("garde champêtre"_1252), V{3});
    EXPECT_EQ(categories("capitaine de cavalerie"), V{2});
    // Après l'échec de « GARDE CH… », la recherche repart et trouve le mot suivant.
    EXPECT_EQ(categories("garde chasse et boucher"), (V{2, 0}));
    // Un fichier encore valable après inversion : lecture et recherche restent dans l'image, et finissent.
    int refuses = 0;
    essai::pourDesOctetsAlteres(image(), 20261206, 2000, 1, [&](const std::vector<std::uint8_t>& abime) {
        auto a = CategorieAutomate::lire(abime);
        refuses += !a;
        if (!a) return;
        for (std::uint8_t c : a->categoriesDuTexte("boulangère, garde champêtre et capitaine de navire"_1252))
            EXPECT_LT(c, a->nombre());
    });
    EXPECT_GT(refuses, 0);
}

TEST(CategorieAutomate, rendLesCategoriesParAppelsSuccessifsLesNomsDansLOrdreEtRefuseVersionEtTroncature) {
    CategorieAutomate a = automate();
    std::string texte = "boulanger, marin";
    a.commencer(texte);
    EXPECT_EQ(a.Match(), 0);
    EXPECT_EQ(a.Match(), 1);
    EXPECT_EQ(a.Match(), CategorieAutomate::kAucune);
    ASSERT_EQ(a.nombre(), 5u);  // les noms sont lus dans l'ordre
    EXPECT_EQ(a.noms()[2], "Armée"_1252);
    EXPECT_EQ(a.longueurNomMaximale(), 14u);
    auto octets = image();
    essai::pourChaqueTroncature(octets, [](const auto& o) { EXPECT_FALSE(CategorieAutomate::lire(o)); });
    octets[0] = 0xF6;  // 502
    EXPECT_FALSE(CategorieAutomate::lire(octets));
}
