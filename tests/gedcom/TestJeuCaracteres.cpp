#include <gtest/gtest.h>

#include <string>

#include "commun/Texte.h"
#include "gedcom/JeuCaracteres.h"

namespace lignara {
namespace {

std::string convertir(std::string texte, JeuCaracteres jeu) {
    texte.resize(convertirEnPlace(texte.data(), texte.size(), jeu));
    return texte;
}

TEST(JeuCaracteres, choisitLeJeuParLaValeurCharSansTenirCompteDeLaCasse) {
    EXPECT_EQ(jeuDeValeurChar("ANSEL"), JeuCaracteres::Ansel);
    EXPECT_EQ(jeuDeValeurChar("ansel"), JeuCaracteres::Ansel);
    EXPECT_EQ(jeuDeValeurChar("UTF-8"), JeuCaracteres::Utf8);
    EXPECT_EQ(jeuDeValeurChar("utf8"), JeuCaracteres::Utf8);
    EXPECT_EQ(jeuDeValeurChar("Macintosh"), JeuCaracteres::Macintosh);
    EXPECT_EQ(jeuDeValeurChar("ANSI"), JeuCaracteres::Aucun);
    EXPECT_EQ(jeuDeValeurChar("IBMPC"), JeuCaracteres::Aucun);
    EXPECT_EQ(jeuDeValeurChar("ANSEL "), JeuCaracteres::Aucun);  // valeur entière
    EXPECT_EQ(jeuDeValeurChar(""), JeuCaracteres::Aucun);
}

TEST(JeuCaracteres, anselComposeLesMarquesAvecLaLettreQuiSuit) {
    EXPECT_EQ(convertir("\xE2"
                        "e",
                        JeuCaracteres::Ansel),
              "é"_1252);
    EXPECT_EQ(convertir("Fran\xF0"
                        "cois",
                        JeuCaracteres::Ansel),
              "François"_1252);
    EXPECT_EQ(convertir("\xE8"
                        "U\xE3o\xE1"
                        "A\xE4n",
                        JeuCaracteres::Ansel),
              "ÜôÀñ"_1252);
    EXPECT_EQ(convertir("\xE2"
                        "Y",
                        JeuCaracteres::Ansel),
              "Ý"_1252);
}

TEST(JeuCaracteres, anselLaisseTomberUneMarqueSansLettreConnueOuEnFin) {
    EXPECT_EQ(convertir("\xE2x", JeuCaracteres::Ansel), "x");
    EXPECT_EQ(convertir("ab\xE2", JeuCaracteres::Ansel), "ab");
    // Deux marques de suite : seule la seconde compose, et un signe de la table reste converti.
    EXPECT_EQ(convertir("\xE2\xE8"
                        "e",
                        JeuCaracteres::Ansel),
              "ë"_1252);
    EXPECT_EQ(convertir("\xE2\xA2", JeuCaracteres::Ansel), "Ø"_1252);
}

TEST(JeuCaracteres, anselConvertitLesSignesIsolesEtBlanchitLesPositionsLibres) {
    EXPECT_EQ(convertir("\xA2\xA6\xB6\xB9\xC3\xC5\xC8", JeuCaracteres::Ansel), "ØŒœ£©¿€"_1252);
    EXPECT_EQ(convertir("a\xCF"
                        "b\xFF"
                        "c",
                        JeuCaracteres::Ansel),
              "a b c");
    EXPECT_EQ(convertir("\x80\xA0", JeuCaracteres::Ansel), "\x80\xA0");  // copiés
}

TEST(JeuCaracteres, utf8DonneLOctetDesPairesC2EtC3) {
    EXPECT_EQ(convertir("\xC3\xA9t\xC3\xA9", JeuCaracteres::Utf8), "été"_1252);
    EXPECT_EQ(convertir("\xC2\xAB\xC2\xA0\xC2\xBB", JeuCaracteres::Utf8), std::string("\xAB\xA0\xBB"));
    EXPECT_EQ(convertir("\xC2\xB0", JeuCaracteres::Utf8), "\xB0");
    EXPECT_EQ(convertir("\xC2\x80", JeuCaracteres::Utf8), "\x80");  // l'octet lui-même
}

TEST(JeuCaracteres, utf8DonneLOctetWindows1252OuUnSeulPointDInterrogation) {
    EXPECT_EQ(convertir("\xE2\x82\xAC \xC5\x93 \xE2\x80\x99", JeuCaracteres::Utf8), "€ œ ’"_1252);
    EXPECT_EQ(convertir("\xC5\x81"
                        "odz",
                        JeuCaracteres::Utf8),
              "?odz");  // Ł
    EXPECT_EQ(convertir("a\xE4\xB8\xAD"
                        "b",
                        JeuCaracteres::Utf8),
              "a?b");  // 中
    EXPECT_EQ(convertir("a\xF0\x9F\x98\x80"
                        "b",
                        JeuCaracteres::Utf8),
              "a?b");  // emoji
}

TEST(JeuCaracteres, utf8MalFormeDonneUnPointDInterrogationSansAvalerLaSuite) {
    EXPECT_EQ(convertir("\xC3(x", JeuCaracteres::Utf8), "?(x");
    EXPECT_EQ(convertir("\xE9t\xE9", JeuCaracteres::Utf8), "?t");  // Windows-1252 pris pour UTF-8
    EXPECT_EQ(convertir("\xC0\xAF!", JeuCaracteres::Utf8),
              "?"
              "?!");                                                // forme trop longue
    EXPECT_EQ(convertir("x\x80y", JeuCaracteres::Utf8), "x\x80y");  // jusqu'à 80 : copié
}

TEST(JeuCaracteres, utf8PerdUneSequenceCoupeeParLaFinDuTexte) {
    EXPECT_EQ(convertir("ab\xC3", JeuCaracteres::Utf8), "ab");
    EXPECT_EQ(convertir("ab\xDF", JeuCaracteres::Utf8), "ab");  // dernier début de deux octets
    EXPECT_EQ(convertir("ab\xE2\x82", JeuCaracteres::Utf8), "ab");
    EXPECT_EQ(convertir("ab\xF0\x9F\x98", JeuCaracteres::Utf8), "ab");
}

TEST(JeuCaracteres, macintoshSuitLaCorrespondanceEtSesSosies) {
    EXPECT_EQ(convertir("\x8E\x88\x8D", JeuCaracteres::Macintosh), "éàç"_1252);
    EXPECT_EQ(convertir("l\xD5"
                        "an \xD2"
                        "x\xD3",
                        JeuCaracteres::Macintosh),
              "l'an \"x\"");
    EXPECT_EQ(convertir("\xCE\xCF\xD8\xD9\xDB\xA5\xF0", JeuCaracteres::Macintosh), "ŒœÿÿE·?"_1252);
    EXPECT_EQ(convertir("\xAD\xB2\xB3\xC9\xD0\xD1", JeuCaracteres::Macintosh), "#<>.--");
}

TEST(JeuCaracteres, tabulationDevientEspaceDansTousLesJeux) {
    for (JeuCaracteres jeu :
         {JeuCaracteres::Ansel, JeuCaracteres::Utf8, JeuCaracteres::Macintosh, JeuCaracteres::Aucun})
        EXPECT_EQ(convertir("a\tb\t", jeu), "a b ");
    EXPECT_EQ(convertir("\xE9\t\x8E", JeuCaracteres::Aucun), "\xE9 \x8E");
    // Textes longs : lus huit octets à la fois, tabulations au début, au milieu et à la fin
    // des blocs et dans la queue, accent seulement dans un bloc ou seulement dans la queue.
    EXPECT_EQ(convertir("\tabcdefghijklm\tnop\t\tqrstuvw\txyz\t", JeuCaracteres::Utf8),
              " abcdefghijklm nop  qrstuvw xyz ");
    EXPECT_EQ(convertir("Saint-\xC3\x89tienne\t(Loire)\tFrance", JeuCaracteres::Utf8),
              "Saint-\xC9tienne (Loire) France");
    EXPECT_EQ(convertir("Villefranche-sur-Sa\xC3\xB4ne", JeuCaracteres::Utf8), "Villefranche-sur-Sa\xF4ne");
    EXPECT_EQ(convertir("1234567812345678\xC3", JeuCaracteres::Utf8), "1234567812345678");  // séquence tronquée
}

}  // namespace
}  // namespace lignara
