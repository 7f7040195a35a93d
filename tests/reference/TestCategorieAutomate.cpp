#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "commun/Texte.h"
#include "reference/CategorieAutomate.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"

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

std::vector<std::uint8_t> categories(const std::string& texte) { return automate().categoriesDuTexte(texte); }

using V = std::vector<std::uint8_t>;

}  // namespace

TEST(CategorieAutomate, accordeLesFormesFemininesAccentuees) {
    EXPECT_EQ(categories("Boulangère"_1252), V{0});
    EXPECT_EQ(categories("INSTITUTRICE"), V{3});
    EXPECT_EQ(categories("vendeuse"), V{3});
    EXPECT_EQ(categories("patronne"), V{3});
    EXPECT_EQ(categories("Marine"), V{1});
    EXPECT_EQ(categories("abbesse"), V{});
}

TEST(CategorieAutomate, unMotCleNeSAccordeQuEnDebutDeMotEtEnMotEntier) {
    EXPECT_EQ(categories("charmateur"), V{});
    EXPECT_EQ(categories("armateurs"), V{});
    EXPECT_EQ(categories("boulangerie"), V{});
    EXPECT_EQ(categories("ex-armateur"), V{1});
    EXPECT_EQ(categories("(armateur)"), V{1});
}

TEST(CategorieAutomate, rendLesCategoriesParAppelsSuccessifs) {
    CategorieAutomate a = automate();
    std::string texte = "boulanger, marin";
    a.commencer(texte);
    EXPECT_EQ(a.Match(), 0);
    EXPECT_EQ(a.Match(), 1);
    EXPECT_EQ(a.Match(), CategorieAutomate::kAucune);
    EXPECT_EQ(a.Match(), CategorieAutomate::kAucune);
}

TEST(CategorieAutomate, laCorrespondanceLaPlusLongueRemplaceLaPlusCourte) {
    EXPECT_EQ(categories("garde champêtre"_1252), V{3});
    EXPECT_EQ(categories("garde-champêtre"_1252), V{3});
    EXPECT_EQ(categories("garde chasse"), V{2});
    EXPECT_EQ(categories("capitaine de navire"), V{1});
    EXPECT_EQ(categories("capitaine de cavalerie"), V{2});
    // Après l'échec de « GARDE CH… », la recherche repart et trouve le mot suivant.
    EXPECT_EQ(categories("garde chasse et boucher"), (V{2, 0}));
}

TEST(CategorieAutomate, lesNomsSontLusDansLOrdre) {
    CategorieAutomate a = automate();
    ASSERT_EQ(a.nombre(), 5u);
    EXPECT_EQ(a.noms()[2], "Armée"_1252);
    EXPECT_EQ(a.longueurNomMaximale(), 14u);
}

TEST(CategorieAutomate, refuseUneVersionAutreQue501) {
    auto octets = image();
    octets[0] = 0x93;  // 403
    octets[1] = 0x01;
    EXPECT_FALSE(CategorieAutomate::lire(octets));
    octets[0] = 0xF6;  // 502
    EXPECT_FALSE(CategorieAutomate::lire(octets));
}

TEST(CategorieAutomate, refuseChaqueTroncature) {
    auto octets = image();
    for (std::size_t n = 0; n < octets.size(); ++n)
        EXPECT_FALSE(CategorieAutomate::lire(std::vector<std::uint8_t>(octets.begin(), octets.begin() + n))) << n;
}

// Un octet inversé peut donner un fichier encore valable (autre catégorie, autre lettre) ; la
// lecture et la recherche ne doivent jamais sortir de l'image ni tourner sans fin.
TEST(CategorieAutomate, resisteAuxOctetsInverses) {
    const auto octets = image();
    std::mt19937 alea(20261206);
    std::uniform_int_distribution<std::size_t> position(0, octets.size() - 1);
    std::uniform_int_distribution<int> bit(0, 7);
    int refuses = 0;
    for (int essai = 0; essai < 2000; ++essai) {
        auto abime = octets;
        abime[position(alea)] ^= static_cast<std::uint8_t>(1u << bit(alea));
        auto a = CategorieAutomate::lire(abime);
        if (!a) {
            ++refuses;
            continue;
        }
        for (std::uint8_t c : a->categoriesDuTexte("boulangère, garde champêtre et capitaine de navire"_1252))
            EXPECT_LT(c, a->nombre());
    }
    EXPECT_GT(refuses, 0);
}
