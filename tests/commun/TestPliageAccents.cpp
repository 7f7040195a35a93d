#include "commun/PliageAccents.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "commun/Texte.h"

using namespace lignara;

namespace {

// Lettres de base de chaque octet du texte, '.' pour un octet sans lettre.
std::string plier(std::string_view texte1252) {
    std::string s;
    for (char c : texte1252) s += lettreDeBase(c) != 0 ? lettreDeBase(c) : '.';
    return s;
}

}  // namespace

TEST(PliageAccents, capitalesEtMinusculesAccenteesDonnentLaMemeCapitale) {
    EXPECT_EQ(plier("azAZ"), "AZAZ");
    EXPECT_EQ(plier("ÀÁÂÃÄÅàáâãäå"_1252), "AAAAAAAAAAAA");
    EXPECT_EQ(plier("ÇçÈÉÊËèéêëÌÍÎÏìíîï"_1252), "CCEEEEEEEEIIIIIIII");
    EXPECT_EQ(plier("ÐðÑñÒÓÔÕÖòóôõöÙÚÛÜùúûüÝý"_1252), "DDNNOOOOOOOOOOUUUUUUUUYY");
}

TEST(PliageAccents, lesChoixDontDependentLesClesStockees) {
    EXPECT_EQ(plier("ß×ÿ"_1252), "BXY");
    // Sans lettre de base : lettres doubles, lettres sans équivalent latin, zone 80-9F, ÷.
    EXPECT_EQ(plier("ÆæŒœØøÞþŠšŽžŸ÷"_1252), "..............");
}

TEST(PliageAccents, ceQuiNEstPasUneLettreNaPasDeBase) {
    EXPECT_EQ(plier(std::string_view("09 -'()\0\x7F\xA0\xB0\x80", 13)), ".............");
}
