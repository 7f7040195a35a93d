#include <clocale>
#include <string>

#include <gtest/gtest.h>

#include "render/pdf/FormatPdf.h"

using namespace lignara;

namespace {

template <class Ajout, class Valeur>
std::string ecrit(Ajout ajout, Valeur v) {
    std::string s;
    ajout(s, v);
    return s;
}

std::string seiziemes(std::int64_t v) { return ecrit(ajouterSeiziemes, v); }
std::string court(double v) { return ecrit(ajouterCourt, v); }

}  // namespace

TEST(FormatPdf, seiziemesEnPointsAvecSuffixeEtZeroNegatif) {
    const std::pair<std::int64_t, const char*> cas[] = {{40, "2.5"},
                                                        {-24, "-1.5"},
                                                        {-8, "-0.5"},
                                                        {0, "0"},
                                                        {-16, "-1"},
                                                        {1, "0.0625"},
                                                        {-1, "-0.0625"},
                                                        {-17, "-1.0625"},
                                                        {INT32_MIN, "-134217728"},
                                                        {INT32_MAX, "134217727.9375"}};
    for (auto [v, attendu] : cas) EXPECT_EQ(seiziemes(v), attendu) << v;
}

TEST(FormatPdf, reelsCourtsEtCouleurs) {
    std::string s;
    ajouterReel(s, 0.5, 1);
    s += ' ';
    ajouterReel(s, 1.25);
    EXPECT_EQ(s, "0.5 1.250000");
    EXPECT_EQ(court(567), "567");
    EXPECT_EQ(court(1.5), "1.5");
    EXPECT_EQ(court(14400.0 / 1.5), "9600");
    EXPECT_EQ(court(1234.5678), "1234.57");
    EXPECT_EQ(ecrit(ajouterCouleur, 0x00644000), "0.000000 0.250980 0.392157");  // rouge 0, vert 0x40, bleu 0x64
    EXPECT_EQ(ecrit(ajouterEchappe, "a(b)c\\\xE9"), "a\\(b\\)c\\\\\xE9");        // les accents restent
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
