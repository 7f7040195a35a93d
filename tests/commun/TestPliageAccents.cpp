#include "commun/PliageAccents.h"

#include <gtest/gtest.h>

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

// Les clés stockées en dépendent : lettres doubles, lettres sans équivalent latin, zone 80-9F et
// signes n'ont pas de lettre de base.
TEST(PliageAccents, capitalesEtMinusculesAccenteesDonnentLaMemeCapitaleLesAutresRien) {
    EXPECT_EQ(plier("azAZ"), "AZAZ");
    EXPECT_EQ(plier("ÀÁÂÃÄÅàáâãäåÇçÈÉÊËèéêëÌÍÎÏìíîï"_1252), "AAAAAAAAAAAACCEEEEEEEEIIIIIIII");
    EXPECT_EQ(plier("ÐðÑñÒÓÔÕÖòóôõöÙÚÛÜùúûüÝýß×ÿ"_1252), "DDNNOOOOOOOOOOUUUUUUUUYYBXY");
    EXPECT_EQ(plier("ÆæŒœØøÞþŠšŽžŸ÷"_1252), "..............");
    EXPECT_EQ(plier(std::string_view("09 -'()\0\x7F\xA0\xB0\x80", 13)), ".............");
}
