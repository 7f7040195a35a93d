#include <gtest/gtest.h>

#include "commun/Texte.h"

using namespace lignara;

TEST(Texte1252, allerRetourUtf8Zone80LitterauxEtUnSeulPointDInterrogationParCaractereAbsent) {
    std::string tous;
    for (int i = 1; i < 256; ++i) tous += static_cast<char>(i);
    EXPECT_EQ(depuisUtf8(versUtf8(tous)), tous);
    EXPECT_EQ(unicodeDe1252(0x9F), U'\u0178');
    EXPECT_EQ(octet1252DeUnicode(U'\u2019'), 0x92);
    EXPECT_EQ(octet1252DeUnicode(U'\u4E2D'), -1);
    EXPECT_EQ(std::string("données"_1252), "donn\351es");
    EXPECT_EQ(std::string("« € Œ œ Ÿ … – — ’ »"_1252), "\xAB \x80 \x8C \x9C \x9F \x85 \x96 \x97 \x92 \xBB");
    // U+4E2D et U+1F600, absents de Windows-1252 : un seul '?' chacun ; octets mal formés (forme trop
    // longue, demi-codet UTF-16, séquence coupée) : un '?' par octet, la suite relue normalement.
    EXPECT_EQ(depuisUtf8("a\344\270\255b\360\237\230\200c"), "a?b?c");
    EXPECT_EQ(depuisUtf8("\303A"), "?A");
    EXPECT_EQ(depuisUtf8("\xFF\xFE"), "??");
    EXPECT_EQ(depuisUtf8("\xC0\xAF"), "??");
    EXPECT_EQ(depuisUtf8("\xED\xA0\x80"), "???");
    EXPECT_EQ(depuisUtf8("\xE2\x82"), "??");
}
