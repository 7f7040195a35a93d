// Conversion en place d'une valeur vers Windows-1252, selon le jeu de caractères du fichier.
// Octets en octal (« \342e ») quand une lettre hexadécimale suit : « \xE2e » serait un seul octet.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "commun/Texte.h"
#include "gedcom/JeuCaracteres.h"

namespace lignara {
namespace {

std::string convertir(std::string texte, JeuCaracteres jeu) {
    texte.resize(convertirEnPlace(texte.data(), texte.size(), jeu));
    return texte;
}

void verifier(JeuCaracteres jeu, std::initializer_list<std::pair<const char*, const char*>> cas) {
    for (const auto& [entree, attendu] : cas) EXPECT_EQ(convertir(entree, jeu), attendu) << entree;
}

TEST(JeuCaracteres, choisitLeJeuParLaValeurCharSansTenirCompteDeLaCasse) {
    const std::pair<const char*, JeuCaracteres> cas[] = {
        {"ANSEL", JeuCaracteres::Ansel}, {"ansel", JeuCaracteres::Ansel},         {"UTF-8", JeuCaracteres::Utf8},
        {"utf8", JeuCaracteres::Utf8},   {"Macintosh", JeuCaracteres::Macintosh}, {"ANSI", JeuCaracteres::Aucun},
        {"IBMPC", JeuCaracteres::Aucun}, {"ANSEL ", JeuCaracteres::Aucun},  // valeur entière
        {"", JeuCaracteres::Aucun}};
    for (auto [valeur, jeu] : cas) EXPECT_EQ(jeuDeValeurChar(valeur), jeu) << valeur;
}

TEST(JeuCaracteres, anselComposeLesMarquesEtConvertitLesSignes) {
    verifier(JeuCaracteres::Ansel, {
                                       {"\342e", "é"_1252},  // la marque précède sa lettre
                                       {"Fran\360cois", "François"_1252},
                                       {"\350U\343o\341A\344n", "ÜôÀñ"_1252},
                                       {"\342x", "x"},  // marque sans lettre connue, ou en fin : laissée tomber
                                       {"ab\342", "ab"},
                                       {"\342\350e", "ë"_1252},  // deux marques de suite : seule la seconde compose
                                       {"\242\246\266\271\303\305\310", "ØŒœ£©¿€"_1252},
                                       {"a\317b\377c", "a b c"},  // positions libres blanchies
                                       {"\x80\xA0", "\x80\xA0"},  // copiés
                                   });
}

TEST(JeuCaracteres, utf8DonneLOctetWindows1252OuUnSeulPointDInterrogation) {
    verifier(JeuCaracteres::Utf8, {
                                      {"\xC3\xA9t\xC3\xA9", "été"_1252},
                                      {"\xC2\x80", "\x80"},  // l'octet lui-même
                                      {"\xE2\x82\xAC \xC5\x93 \xE2\x80\x99", "€ œ ’"_1252},
                                      {"\305\201odz", "?odz"},        // Ł
                                      {"a\344\270\255b", "a?b"},      // 中
                                      {"a\360\237\230\200b", "a?b"},  // emoji
                                      {"\xC3(x", "?(x"},              // mal formé : la suite n'est pas avalée
                                      {"\xE9t\xE9", "?t"},            // Windows-1252 pris pour UTF-8
                                      {"\xC0\xAF!", "?\?!"},          // forme trop longue
                                      {"x\x80y", "x\x80y"},           // jusqu'à 80 : copié
                                      {"ab\xC3", "ab"},               // séquence coupée par la fin du texte : perdue
                                      {"ab\xDF", "ab"},               // dernier début de deux octets
                                      {"ab\xF0\x9F\x98", "ab"},
                                  });
}

TEST(JeuCaracteres, macintoshSuitLaCorrespondanceEtSesSosies) {
    verifier(JeuCaracteres::Macintosh, {
                                           {"\x8E\x88\x8D", "éàç"_1252},
                                           {"l\325an \322x\323", "l'an \"x\""},
                                           {"\xCE\xCF\xD8\xD9\xDB\xA5\xF0", "ŒœÿÿE·?"_1252},
                                           {"\xAD\xB2\xB3\xC9\xD0\xD1", "#<>.--"},
                                       });
}

TEST(JeuCaracteres, tabulationDevientEspaceDansTousLesJeux) {
    for (JeuCaracteres jeu :
         {JeuCaracteres::Ansel, JeuCaracteres::Utf8, JeuCaracteres::Macintosh, JeuCaracteres::Aucun})
        EXPECT_EQ(convertir("a\tb\t", jeu), "a b ");
    EXPECT_EQ(convertir("\xE9\t\x8E", JeuCaracteres::Aucun), "\xE9 \x8E");
    // Textes lus huit octets à la fois : tabulations et accents en bloc, à ses bords et dans la queue.
    verifier(JeuCaracteres::Utf8, {
                                      {"\tabcdefghijklm\tnop\t\tqrstuvw\txyz\t", " abcdefghijklm nop  qrstuvw xyz "},
                                      {"Saint-\xC3\x89tienne\t(Loire)\tFrance", "Saint-\xC9tienne (Loire) France"},
                                      {"1234567812345678\xC3", "1234567812345678"},  // séquence tronquée
                                  });
}

}  // namespace
}  // namespace lignara
