#include <gtest/gtest.h>

#include <string>

#include "commun/Texte.h"
#include "database/CleNom.h"

using namespace lignara;

TEST(CleNom, metEnCapitalesSansAccentsEtLaPonctuationEnEspaces) {
    EXPECT_EQ(CleNom("de la Fontaine"), "DE LA FONTAINE");
    EXPECT_EQ(CleNom("Jean-Pierre"), "JEAN PIERRE");
    EXPECT_EQ(CleNom("Éloïse Müller-Straße"_1252), "ELOISE MULLER STRABE");
    EXPECT_EQ(CleNom("ÿves Ñuñez × Øre"_1252), "YVES NUNEZ X  RE");
}

TEST(CleNom, gardeLesSignesDeGraphiesIncertaines) {
    EXPECT_EQ(CleNom("Martin (Martinez) [?] #2°"_1252), "MARTIN (MARTINEZ) [?] # °"_1252);
    EXPECT_EQ(CleNom("<x>{y}"), "<X>{Y}");
}

TEST(CleNom, gardeLesLettresLieesAE) { EXPECT_EQ(CleNom("Ægir æ"_1252), "\xC6GIR \xE6"); }

TEST(CleNom, marqueLaTroisiemeEspaceDeSuite) {
    EXPECT_EQ(CleNom("A   B"), "A  -B");
    EXPECT_EQ(CleNom("A  ,B"), "A  ,B");
    EXPECT_EQ(CleNom("A    B"), "A  - B");
    EXPECT_EQ(CleNom(std::string("A\x01\x02\x1F"
                                 "B")),
              "A  -B");  // jamais d'octet de commande
}

// Les lettres que les clés de noms traitent autrement que d'autres clés : Æ gardé, Œ, Ø, Þ, Š,
// Ž, Ÿ et ÷ en espaces, ß en B, × en X, Ð et ÿ pliés.
TEST(CleNom, lettresSansLettreDeBaseEnEspacesSaufAE) {
    EXPECT_EQ(CleNom("aŒbØcÞdŠeŽfŸg÷h"_1252), "A B C D E F G H");
    EXPECT_EQ(CleNom("ßÐðÿ×Ææ"_1252), "BDDYX\xC6\xE6");
}
