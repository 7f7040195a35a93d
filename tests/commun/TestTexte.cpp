#include <gtest/gtest.h>

#include <string>

#include "commun/Texte.h"

using namespace lignara;

TEST(Litteral1252, convertitLesAccentsALaCompilation) {
    EXPECT_EQ(std::string("données"_1252),
              "donn\xE9"
              "es");
    EXPECT_EQ(std::string("« € Œ œ Ÿ … – — ’ »"_1252), "\xAB \x80 \x8C \x9C \x9F \x85 \x96 \x97 \x92 \xBB");
    EXPECT_EQ(std::string(""_1252), "");
}

TEST(Texte1252, allerRetourUtf8SurLes256Octets) {
    std::string tous;
    for (int i = 1; i < 256; ++i) tous += static_cast<char>(i);
    EXPECT_EQ(depuisUtf8(versUtf8(tous)), tous);
}

TEST(Texte1252, depuisUtf8RemplaceParUnSeulPointDInterrogation) {
    // U+4E2D (3 octets) et U+1F600 (4 octets) : absents de Windows-1252, un seul '?' chacun.
    EXPECT_EQ(depuisUtf8("a\xE4\xB8\xAD"
                         "b\xF0\x9F\x98\x80"
                         "c"),
              "a?b?c");
    // Octets mal formés : un '?' par octet, la suite est relue normalement.
    EXPECT_EQ(depuisUtf8("\xC3"
                         "A"),
              "?A");
    EXPECT_EQ(depuisUtf8("\xFF\xFE"), "??");
    // Forme trop longue de '/' et demi-codet UTF-16 : mal formés.
    EXPECT_EQ(depuisUtf8("\xC0\xAF"), "??");
    EXPECT_EQ(depuisUtf8("\xED\xA0\x80"), "???");
    // Séquence coupée en fin de texte.
    EXPECT_EQ(depuisUtf8("\xE2\x82"), "??");
}

TEST(Texte1252, correspondanceDeLaZone80) {
    EXPECT_EQ(unicodeDe1252(0x80), U'\u20AC');
    EXPECT_EQ(unicodeDe1252(0x9F), U'\u0178');
    EXPECT_EQ(octet1252DeUnicode(U'\u2019'), 0x92);
    EXPECT_EQ(octet1252DeUnicode(U'\u4E2D'), -1);
    EXPECT_EQ(octet1252DeUnicode(U'\u00E9'), 0xE9);
}
