#include <gtest/gtest.h>

#include <string>

#include "commun/Texte.h"
#include "gedcom/LieuCle.h"

using namespace lignara;

namespace {
std::string cle(std::string_view composante) { return std::string(LieuCle(composante).vue()); }
}  // namespace

TEST(LieuCle, gardeLesLettresEnMajusculesEtSupprimeLeReste) {
    EXPECT_EQ(cle("Côte-d'Or"_1252), "COTEDOR");
    EXPECT_EQ(cle("  Saint-Pierre-et-Miquelon (975)"), "SAINTPIERREETMIQUELON");
    EXPECT_EQ(cle("69000"), "");
    EXPECT_EQ(cle(""), "");
}

TEST(LieuCle, replieLesAccentsMajusculesEtMinuscules) {
    EXPECT_EQ(cle("ÀÁÂÃÄÅ àáâãäå"_1252), "AAAAAAAAAAAA");
    EXPECT_EQ(cle("ÇçÈÉÊËèéêëÌÍÎÏìíîïÐðÑñ"_1252), "CCEEEEEEEEIIIIIIIIDDNN");
    EXPECT_EQ(cle("ÒÓÔÕÖòóôõöÙÚÛÜùúûü"_1252), "OOOOOOOOOOUUUUUUUU");
    EXPECT_EQ(cle("ÝýÿßÆæ×"_1252), "YYYB\xC6\xC6X");
    // Seule clé où æ devient Æ : les tables de lieux livrées sont triées ainsi.
    EXPECT_EQ(cle("Færøerne"_1252), "F\xC6RERNE");
}

TEST(LieuCle, supprimeLesSignesQuiNeSontPasDesLettresRepliees) {
    // ÷, Ø, Þ et leurs minuscules, les lettres de la zone 80-9F et les octets de contrôle.
    EXPECT_EQ(cle("÷ØøÞþŒœŠšŽžŸ€°"_1252), "");
    EXPECT_EQ(cle(std::string_view("a\0b\x7F"
                                   "c\x01",
                                   6)),
              "ABC");
}

TEST(LieuCle, garde35CaracteresAuPlus) {
    std::string longue(50, 'x');
    EXPECT_EQ(cle(longue), std::string(35, 'X'));
    EXPECT_EQ(cle("Républiquedémocratiqueallemande et plus encore"_1252), "REPUBLIQUEDEMOCRATIQUEALLEMANDEETPL");
}
