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

TEST(LieuTables, chaqueTableEstTrieeSansDoublonEtChaqueSubdivisionSeRetrouve) {
    verifierTriee(tableLieuPays(), "pays");
    verifierTriee(tableLieuRegions(), "régions");
    verifierTriee(tableLieuTroisLettres(), "sigles");
    for (std::string_view code :
         {"FR", "US", "RU", "VN", "TN", "KH", "RO", "IT", "IN", "MX", "CN", "ES", "BG", "BR", "IE", "CH", "AR",
          "PT", "HU", "NO", "DE", "PL", "GR", "CA", "NL", "BE", "CM", "JP", "GA", "GB", "AT", "AU", "LU"}) {
        const CodePays pays(code[0], code[1]);
        const auto table = tableLieuSubdivisions(pays);
        EXPECT_FALSE(table.empty()) << code;
        verifierTriee(table, code.data());
        for (const auto& l : table) {
            EXPECT_GE(l.code, 33) << code << " " << l.cle;
            EXPECT_LE(l.code, 255) << code << " " << l.cle;
            EXPECT_LT(l.cle.size(), 36u) << code << " " << l.cle;
            EXPECT_EQ(chercherSubdivision(pays, l.cle), l.code) << code << " " << l.cle;
        }
    }
    EXPECT_TRUE(tableLieuSubdivisions(CodePays{"ZZ"}).empty());
}

TEST(LieuTables, lesNomsLocauxEtFrancaisDUneSubdivisionPartagentSonCode) {
    EXPECT_EQ(chercherSubdivision(CodePays{"IT"}, "TOSCANA"), chercherSubdivision(CodePays{"IT"}, "TOSCANE"));
    EXPECT_EQ(chercherSubdivision(CodePays{"GB"}, "WALES"), chercherSubdivision(CodePays{"GB"}, "PAYSDEGALLES"));
    EXPECT_EQ(chercherSubdivision(CodePays{"ES"}, "CATALUNA"), chercherSubdivision(CodePays{"ES"}, "CATALOGNE"));
    EXPECT_NE(chercherSubdivision(CodePays{"RU"}, "MOSCOU"), chercherSubdivision(CodePays{"RU"}, "OBLASTDEMOSCOU"));
    EXPECT_NE(chercherSubdivision(CodePays{"GB"}, "ENGLAND"), chercherSubdivision(CodePays{"GB"}, "SCOTLAND"));
}

TEST(LieuTables, laRechercheTrouveChaqueLigneEtRienEntreLesLignes) {
    for (const auto& l : tableLieuPays()) {
        ASSERT_TRUE(chercherPays(l.cle)) << l.cle;
        EXPECT_EQ(*chercherPays(l.cle), l.code) << l.cle;
        // Une clé voisine, juste après celle-ci dans l'ordre, n'est pas dans la table.
        EXPECT_FALSE(chercherPays(std::string(l.cle) + "A")) << l.cle;
    }
    for (auto r : tableLieuRegions()) EXPECT_TRUE(estRegionFrancaise(r)) << r;
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
    for (const auto& l : tableLieuSubdivisions(CodePays{"US"})) codes.insert(l.code);
    EXPECT_EQ(codes.size(), 51u);  // 50 États et le district de Columbia
    const CodePays us{"US"};
    EXPECT_EQ(chercherSubdivision(us, "CALIFORNIE"), chercherSubdivision(us, "CALIFORNIA"));
    EXPECT_EQ(chercherSubdivision(us, "VIRGINIEOCCIDENTALE"), chercherSubdivision(us, "WESTVIRGINIA"));
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

TEST(LieuTables, nomsDAffichageDesPaysEtSubdivisionsPremierNomDeLaLigne) {
    EXPECT_EQ(nomPays(CodePays("CH")), "Suisse");
    EXPECT_EQ(nomPays(CodePays("DZ")), "Alg\xE9rie");
    EXPECT_EQ(nomPays(CodePays("ZZ")), "");
    EXPECT_EQ(nomSubdivision(CodePays("FR"), 128), "Paris");  // pas « Ville de Paris »
    EXPECT_EQ(nomSubdivision(CodePays("CH"), 40), "Gen\xE8ve");
    EXPECT_EQ(nomSubdivision(CodePays("CH"), 200), "");
    EXPECT_EQ(nomSubdivision(CodePays("DZ"), 33), "");
    // Un nom par code : autant de noms que de codes distincts dans chaque table.
    std::set<std::string> codesPays;
    for (const auto& l : tableLieuPays()) codesPays.insert(std::string(l.code.vue()));
    EXPECT_EQ(tableNomsPays().size(), codesPays.size());
    for (CodePays pays : {CodePays("FR"), CodePays("US"), CodePays("CH")}) {
        std::set<std::uint16_t> codes;
        for (const auto& l : tableLieuSubdivisions(pays)) codes.insert(l.code);
        EXPECT_EQ(tableNomsSubdivisions(pays).size(), codes.size()) << pays.vue();
    }
}
