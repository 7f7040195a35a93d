#include <gtest/gtest.h>

#include <string>

#include "commun/Texte.h"
#include "reference/CategorieTexte.h"

using namespace lignara;

TEST(NormalisationCategorie, replieLesAccentsEtMetEnCapitales) {
    EXPECT_EQ(normaliserMotCle("Boulangère"_1252), "BOULANGERE");
    EXPECT_EQ(normaliserMotCle("maréchal-ferrant"_1252), "MARECHAL FERRANT");
    EXPECT_EQ(normaliserMotCle("ÀÉÎÕÜÇÑÝÿ"_1252), "AEIOUCNYY");
    EXPECT_EQ(normaliserMotCle("Ðð×ß"_1252), "DDXB");
}

TEST(NormalisationCategorie, changeEnEspaceCeQuiNEstPasUneLettre) {
    // Æ, Ø, Þ, ÷ et œ (au-dessous de 192) ne sont pas des lettres de base.
    EXPECT_EQ(normaliserMotCle("cÆsar"_1252), "C SAR");
    EXPECT_EQ(normaliserMotCle("sœur"_1252), "S UR");
    EXPECT_EQ(normaliserMotCle("aØbÞc÷d"_1252), "A B C D");
    EXPECT_EQ(normaliserMotCle("aŠbŽcŸd"_1252), "A B C D");
    EXPECT_EQ(normaliserMotCle("garde-champêtre 2e"_1252), "GARDE CHAMPETRE  E");
}

TEST(NormalisationCategorie, motCleSansLettreEstVide) {
    EXPECT_EQ(normaliserMotCle("  - 12 ; "), "");
    EXPECT_EQ(normaliserMotCle(""), "");
    EXPECT_EQ(normaliserMotCle(" (meunier) "), "MEUNIER");
}

TEST(NormalisationCategorie, chaqueOctetDonneUneLettreOuUneEspace) {
    for (int o = 0; o < 256; ++o) {
        char n = normaliserCaractereCategorie(static_cast<char>(o));
        EXPECT_TRUE(n == ' ' || (n >= 'A' && n <= 'Z')) << o;
    }
}

TEST(FormeFeminine, suitLesTerminaisonsDesProfessions) {
    EXPECT_EQ(formeFeminine("BOULANGER"), "BOULANGERE");
    EXPECT_EQ(formeFeminine("INSTITUTEUR"), "INSTITUTRICE");
    EXPECT_EQ(formeFeminine("VENDEUR"), "VENDEUSE");
    EXPECT_EQ(formeFeminine("PATRON"), "PATRONNE");
    EXPECT_EQ(formeFeminine("CHIRURGIEN"), "CHIRURGIENNE");
    EXPECT_EQ(formeFeminine("MARCHAND"), "MARCHANDE");
    EXPECT_EQ(formeFeminine("NEGOCIANT"), "NEGOCIANTE");
    EXPECT_EQ(formeFeminine("CAMPAGNARD"), "CAMPAGNARDE");
    EXPECT_EQ(formeFeminine("GENERAL"), "GENERALE");
    EXPECT_EQ(formeFeminine("MARIN"), "MARINE");
}

TEST(FormeFeminine, rienHorsDesBornesDeLongueurNiPourLesAutresTerminaisons) {
    EXPECT_EQ(formeFeminine("ABBE"), "");
    EXPECT_EQ(formeFeminine("FILER"), "FILERE");  // 5 : la borne basse est comprise
    EXPECT_EQ(formeFeminine("ABER"), "");
    EXPECT_EQ(formeFeminine("NOTAIRE"), "");
    EXPECT_EQ(formeFeminine("PAYSAN"), "");
    EXPECT_EQ(formeFeminine("GARDE EUR"), "");
    std::string long47 = std::string(45, 'A') + "ER";
    EXPECT_EQ(formeFeminine(long47), long47 + "E");
    EXPECT_EQ(formeFeminine("A" + long47), "");
}
