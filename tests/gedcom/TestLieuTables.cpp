#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "gedcom/LieuTables.h"

using namespace lignara;

namespace {

template <typename Ligne>
std::string_view cleDe(const Ligne& l) {
    return l.cle;
}
std::string_view cleDe(std::string_view l) { return l; }

// Strictement croissante : triée et sans doublon de clé.
template <typename Ligne>
void verifierTriee(std::span<const Ligne> table, const char* nom) {
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(cleDe(table[i - 1]), cleDe(table[i])) << nom << ", ligne " << i;
}

}  // namespace

TEST(LieuTables, chaqueTableEstTrieeEtALeNombreDeLignesAttendu) {
    EXPECT_EQ(tableLieuPays().size(), 214u);
    EXPECT_EQ(tableLieuRegions().size(), 23u);
    EXPECT_EQ(tableLieuTroisLettres().size(), 193u);
    EXPECT_EQ(tableLieuSubdivisions(CodePays{"FR"}).size(), 106u);
    EXPECT_EQ(tableLieuSubdivisions(CodePays{"US"}).size(), 63u);
    verifierTriee(tableLieuPays(), "pays");
    verifierTriee(tableLieuRegions(), "régions");
    verifierTriee(tableLieuTroisLettres(), "sigles");
    verifierTriee(tableLieuSubdivisions(CodePays{"FR"}), "France");
    verifierTriee(tableLieuSubdivisions(CodePays{"US"}), "États-Unis");
}

TEST(LieuTables, laRechercheTrouveChaqueLigneEtRienEntreLesLignes) {
    for (const auto& l : tableLieuPays()) {
        ASSERT_TRUE(chercherPays(l.cle)) << l.cle;
        EXPECT_EQ(*chercherPays(l.cle), l.code) << l.cle;
        // Une clé voisine, juste après celle-ci dans l'ordre, n'est pas dans la table.
        EXPECT_FALSE(chercherPays(std::string(l.cle) + "A")) << l.cle;
    }
    for (auto r : tableLieuRegions()) EXPECT_TRUE(estRegionFrancaise(r)) << r;
    for (const auto& l : tableLieuSubdivisions(CodePays{"FR"}))
        EXPECT_EQ(chercherSubdivision(CodePays{"FR"}, l.cle), l.code) << l.cle;
    EXPECT_FALSE(chercherPays(""));
    EXPECT_FALSE(chercherPays("AAA"));
    EXPECT_FALSE(chercherPays("ZZZ"));
    EXPECT_FALSE(estRegionFrancaise("BRETAGN"));
    EXPECT_EQ(chercherSubdivision(CodePays{"FR"}, "TEXAS"), 0);
    EXPECT_EQ(chercherSubdivision(CodePays{"DE"}, "BAYERN"), 0);
}

TEST(LieuTables, lesEtatsDisparusOntUnCodeEnMinuscules) {
    EXPECT_EQ(*chercherPays("RDA"), CodePays{"ae"});
    EXPECT_EQ(*chercherPays("RFA"), CodePays{"ao"});
    EXPECT_EQ(*chercherPays("URSS"), CodePays{"ur"});
    EXPECT_EQ(*chercherPays("TCHECOSLOVAQUIE"), CodePays{"ts"});
    EXPECT_EQ(*chercherPays("ALLEMAGNE"), CodePays{"DE"});
    EXPECT_EQ(*chercherPays("ZAIRE"), *chercherPays("CONGOKINSHASA"));
}

TEST(LieuTables, lesDepartementsFrancaisOccupentLesCodes33a137) {
    std::set<int> codes;
    for (const auto& l : tableLieuSubdivisions(CodePays{"FR"})) codes.insert(l.code);
    EXPECT_EQ(codes.size(), 105u);  // Paris a deux noms
    EXPECT_EQ(*codes.begin(), 33);
    EXPECT_EQ(*codes.rbegin(), 137);
    EXPECT_EQ(chercherSubdivision(CodePays{"FR"}, "PARIS"), 128);
    EXPECT_EQ(chercherSubdivision(CodePays{"FR"}, "VILLEDEPARIS"), 128);
}

TEST(LieuTables, chaqueEtatAmericainASonCodeEtLesNomsFrancaisLeReprennent) {
    std::set<int> codes;
    for (const auto& l : tableLieuSubdivisions(CodePays{"US"})) {
        EXPECT_GE(l.code, 33) << l.cle;
        EXPECT_LE(l.code, 255) << l.cle;
        codes.insert(l.code);
    }
    EXPECT_EQ(codes.size(), 51u);  // 50 États et le district de Columbia
    const CodePays us{"US"};
    EXPECT_EQ(chercherSubdivision(us, "ALABAMA"), 33);
    EXPECT_EQ(chercherSubdivision(us, "WYOMING"), 83);
    EXPECT_EQ(chercherSubdivision(us, "CALIFORNIE"), chercherSubdivision(us, "CALIFORNIA"));
    EXPECT_EQ(chercherSubdivision(us, "VIRGINIEOCCIDENTALE"),
              chercherSubdivision(us, "WESTVIRGINIA"));
    EXPECT_EQ(chercherSubdivision(us, "CAROLINEDUSUD"), chercherSubdivision(us, "SOUTHCAROLINA"));
}

TEST(LieuTables, chaqueSigleDeTroisLettresDonneUnPaysDeLaTable) {
    std::set<std::string> codesPays;
    for (const auto& l : tableLieuPays()) codesPays.insert(std::string(l.code.vue()));
    for (const auto& l : tableLieuTroisLettres()) {
        EXPECT_EQ(l.cle.size(), 3u);
        EXPECT_TRUE(codesPays.count(std::string(l.code.vue()))) << l.cle;
    }
    EXPECT_EQ(*chercherCodeTroisLettres("FRA"), CodePays{"FR"});
    EXPECT_EQ(*chercherCodeTroisLettres("DEU"), CodePays{"DE"});
    EXPECT_EQ(*chercherCodeTroisLettres("PRK"), CodePays{"KP"});
    // Les quatre lignes qui s'écartent de la norme.
    EXPECT_EQ(*chercherCodeTroisLettres("ASM"), CodePays{"WS"});
    EXPECT_EQ(*chercherCodeTroisLettres("GET"), CodePays{"GQ"});
    EXPECT_EQ(*chercherCodeTroisLettres("ROM"), CodePays{"RO"});
    EXPECT_EQ(*chercherCodeTroisLettres("TMP"), CodePays{"TL"});
    EXPECT_FALSE(chercherCodeTroisLettres("ROU"));
    EXPECT_FALSE(chercherCodeTroisLettres("fra"));
}
