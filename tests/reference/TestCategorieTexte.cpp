#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "reference/CategorieTexte.h"

using namespace lignara;

TEST(NormalisationCategorie, replieLesAccentsChangeEnEspaceCeQuiNEstPasUneLettreEtFormeLesFeminins) {
    EXPECT_EQ(normaliserMotCle("maréchal-ferrant"_1252), "MARECHAL FERRANT");
    EXPECT_EQ(normaliserMotCle("ÀÉÎÕÜÇÑÝÿ"_1252), "AEIOUCNYY");
    EXPECT_EQ(normaliserMotCle("Ðð×ß"_1252), "DDXB");
    // Æ, Ø, Þ, ÷ et œ (au-dessous de 192) ne sont pas des lettres de base ; un mot sans lettre est vide.
    EXPECT_EQ(normaliserMotCle("sœur"_1252), "S UR");
    EXPECT_EQ(normaliserMotCle("aØbÞc÷d"_1252), "A B C D");
    EXPECT_EQ(normaliserMotCle("garde-champêtre 2e"_1252), "GARDE CHAMPETRE  E");
    EXPECT_EQ(normaliserMotCle("  - 12 ; "), "");
    EXPECT_EQ(normaliserMotCle(" (meunier) "), "MEUNIER");
    for (int o = 0; o < 256; ++o) {
        char n = normaliserCaractereCategorie(static_cast<char>(o));
        EXPECT_TRUE(n == ' ' || (n >= 'A' && n <= 'Z')) << o;
    }
    // Formes féminines : les terminaisons des professions, dans les bornes de longueur.
    for (auto [masculin, feminin] : {std::pair{"BOULANGER", "BOULANGERE"},
                                     {"INSTITUTEUR", "INSTITUTRICE"},
                                     {"VENDEUR", "VENDEUSE"},
                                     {"PATRON", "PATRONNE"},
                                     {"CHIRURGIEN", "CHIRURGIENNE"},
                                     {"MARCHAND", "MARCHANDE"},
                                     {"NEGOCIANT", "NEGOCIANTE"},
                                     {"CAMPAGNARD", "CAMPAGNARDE"},
                                     {"GENERAL", "GENERALE"},
                                     {"MARIN", "MARINE"}})
        EXPECT_EQ(formeFeminine(masculin), feminin);
    for (const char* sansForme : {"ABBE", "ABER", "NOTAIRE", "PAYSAN", "GARDE EUR"})
        EXPECT_EQ(formeFeminine(sansForme), "") << sansForme;
    EXPECT_EQ(formeFeminine("FILER"), "FILERE");  // 5 : la borne basse est comprise
    std::string long47 = std::string(45, 'A') + "ER";
    EXPECT_EQ(formeFeminine(long47), long47 + "E");
    EXPECT_EQ(formeFeminine("A" + long47), "");
}
