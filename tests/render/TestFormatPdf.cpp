#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "render/pdf/FormatPdf.h"

using namespace lignara;

namespace {
std::string seiziemes(std::int64_t v) {
    std::string s;
    ajouterSeiziemes(s, v);
    return s;
}
std::string court(double v) {
    std::string s;
    ajouterCourt(s, v);
    return s;
}
}  // namespace

TEST(FormatPdf, seiziemesEnPointsAvecSuffixeEtZeroNegatif) {
    EXPECT_EQ(seiziemes(40), "2.5");
    EXPECT_EQ(seiziemes(16), "1");
    EXPECT_EQ(seiziemes(-24), "-1.5");
    EXPECT_EQ(seiziemes(-8), "-0.5");
    EXPECT_EQ(seiziemes(0), "0");
    EXPECT_EQ(seiziemes(-16), "-1");
    EXPECT_EQ(seiziemes(1), "0.0625");
    EXPECT_EQ(seiziemes(-1), "-0.0625");
    EXPECT_EQ(seiziemes(15), "0.9375");
    EXPECT_EQ(seiziemes(-17), "-1.0625");
    EXPECT_EQ(seiziemes(INT32_MIN), "-134217728");
    EXPECT_EQ(seiziemes(INT32_MAX), "134217727.9375");
}

TEST(FormatPdf, reelsCourtsEtCouleurs) {
    std::string s;
    ajouterReel(s, 0.5, 1);
    s += ' ';
    ajouterReel(s, 1.25);
    EXPECT_EQ(s, "0.5 1.250000");
    EXPECT_EQ(court(567), "567");
    EXPECT_EQ(court(814), "814");
    EXPECT_EQ(court(1.5), "1.5");
    EXPECT_EQ(court(14400.0 / 1.5), "9600");
    EXPECT_EQ(court(1234.5678), "1234.57");
    s.clear();
    ajouterCouleur(s, 0x00644000);  // rouge 0, vert 0x40, bleu 0x64
    EXPECT_EQ(s, "0.000000 0.250980 0.392157");
}

// Une langue qui écrit les décimales avec une virgule ne doit rien changer au fichier.
TEST(FormatPdf, ignoreLaLangueDeLUtilisateur) {
    const char* francais = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    if (!francais) francais = std::setlocale(LC_NUMERIC, "fr_FR");
    if (!francais) GTEST_SKIP() << "pas de langue française installée";
    std::string s;
    ajouterReel(s, 0.5);
    ajouterCourt(s, 1.5);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(s, "0.5000001.5");
}

TEST(FormatPdf, echappeParenthesesEtBarreMaisPasLesAccents) {
    std::string s;
    ajouterEchappe(s, "a(b)c\\\xE9");
    EXPECT_EQ(s, "a\\(b\\)c\\\\\xE9");
}
