#include <gtest/gtest.h>

#include "gedcom/CleEnregistrement.h"

namespace lignara {
namespace {

TEST(CleEnregistrement, octetDuFichierPuisReferenceSansLePremierArobase) {
    auto c = CleEnregistrement::deReference(0, "@I12@");
    EXPECT_EQ(c.octets(), std::string_view("\x01"
                                           "I12@",
                                           5));
    EXPECT_EQ(c.identifiant(), "I12");
    EXPECT_EQ(CleEnregistrement::deReference(2, "@F1@").octets()[0], '\x03');
    EXPECT_TRUE(CleEnregistrement().estVide());
}

TEST(CleEnregistrement, unPointeurDonneLaMemeCleQueSaReference) {
    EXPECT_EQ(CleEnregistrement::dePointeur(1, "@I7@"), CleEnregistrement::deReference(1, "@I7@"));
    EXPECT_EQ(CleEnregistrement::dePointeur(0, "@S1@ reste"), CleEnregistrement::deReference(0, "@S1@"));
    EXPECT_NE(CleEnregistrement::dePointeur(0, "@I7@"), CleEnregistrement::deReference(1, "@I7@"));
    EXPECT_TRUE(CleEnregistrement::dePointeur(0, "I7").estVide());
    // Une référence trop longue est coupée de la même façon des deux côtés.
    std::string_view longue = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ@";
    EXPECT_EQ(CleEnregistrement::dePointeur(0, longue), CleEnregistrement::deReference(0, longue));
    EXPECT_EQ(CleEnregistrement::deReference(0, longue).octets().size(), 24u);
}

TEST(CleEnregistrement, compareSansSigneEtLePrefixeEnPremier) {
    auto a = CleEnregistrement::deReference(0, "@I1@");
    auto b = CleEnregistrement::deReference(0, "@I10@");
    auto accent = CleEnregistrement::deReference(0,
                                                 "@\xC9"
                                                 "1@");
    EXPECT_LT(CleEnregistrement::deReference(0, "@I1"), a);  // préfixe
    EXPECT_LT(b, a);                                         // '0' (0x30) passe avant le '@' final (0x40)
    EXPECT_LT(b, CleEnregistrement::deReference(0, "@I2@"));
    EXPECT_LT(b, accent);                                         // 0xC9 sans signe après 'I'
    EXPECT_LT(accent, CleEnregistrement::deReference(1, "@A@"));  // le fichier d'abord
    EXPECT_LT(CleEnregistrement(), a);
}

}  // namespace
}  // namespace lignara
