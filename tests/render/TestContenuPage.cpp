#include <clocale>
#include <cmath>
#include <sstream>

#include "EssaiRendu.h"
#include "LecturePdf.h"
#include "render/pdf/ContenuPage.h"
#include "render/pdf/FormatPdf.h"

using namespace lignara;
using essai::LecturePdf;

namespace {

constexpr std::uint32_t kTraitPreference = 0x006400;  // vert (0, 100, 0)
constexpr std::uint32_t kTextePreference = 0x000000;

// Une page aux couleurs des préférences et un style qui les reprend.
class PageEssai : public ::testing::Test {
protected:
    PageEssai() {
        s.couleurTrait = kTraitPreference;
        s.couleurTexte = kTextePreference;
        s.couleurRemplissage = 0x808000;
    }
    std::string texte() const { return page.texteComplet(); }
    std::string fin(std::size_t n) const { return page.texteComplet().substr(page.taille() - n); }

    ContenuPage page{kTraitPreference, kTextePreference};
    StyleTrace s;
};

}  // namespace

TEST_F(PageEssai, deuxLignesDeMemeCouleurFormentUnSeulCheminTraceAvantLeTexte) {
    page.ligne(s, 0, 16, 32, 16);
    page.ligne(s, 0, 32, 32, 32);
    page.texte(s, 40, 48, "Abc");
    page.texte(s, 40, 64, "Def");
    EXPECT_EQ(texte(), "S\n0.5 w 0 1 m 2 1 l\n0 2 m 2 2 l\nS\nBT /F1 10 Tf \n2.5 3 Td (Abc) Tj\n0 1 Td (Def) Tj\n");
}

TEST_F(PageEssai, changerLaCouleurDuTraitTraceLeCheminAvantLeRG) {
    s.epaisseurTrait = 0.0f;  // déjà celle de la page : aucun réglage au premier trait
    page.ligne(s, 0, 16, 32, 16);
    s.couleurTrait = 0x0000FF;
    s.epaisseurTrait = 1.5f;
    s.pointilles = 2;
    page.ligne(s, 0, -8, 32, 40);
    EXPECT_EQ(texte(), "0 1 m 2 1 l\nS\n1.000000 0.000000 0.000000 RG 1.5 w [1 7] 0 d 0 -0.5 m 2 2.5 l\n");
    s.pointilles = 9;  // valeur inconnue : les pointillés de la page ne changent pas
    page.ligne(s, 0, 0, 16, 0);
    EXPECT_EQ(fin(12), "0 0 m 1 0 l\n");
}

TEST_F(PageEssai, texteEchappeParenthesesEtBarreEtGardeLesAccentsEnUnOctet) {
    s.couleurTexte = 0x0000FF;
    s.italique = 1;
    s.taillePolice = 8;
    page.texte(s, 16, 16, "(a\\b) \xE9t\xE9");
    EXPECT_EQ(texte(), "1.000000 0.000000 0.000000 rg BT /F2 8 Tf \n1 1 Td (\\(a\\\\b\\) \xE9t\xE9) Tj\n");
    page.fermerMode();
    EXPECT_EQ(fin(3), "ET\n");
}

// Trente dégradés au plus sont notés pour les ressources, mais tous sont dessinés.
TEST_F(PageEssai, rectanglesPleinDansLaCouleurCouranteEtDegradesNotesUneFoisJusquATrente) {
    s.epaisseurTrait = 0.0f;
    s.couleurRemplissage = kTextePreference;
    page.rectanglePlein(s, 16, 32, 48, 64);
    s.couleurRemplissage = 0xFFFFFF;
    page.rectanglePlein(s, 16, 32, 48, 64);
    page.rectangleDegrade(s, 16, 32, 40, 16, 12);
    page.rectangleDegrade(s, 0, 0, 16, 16, 12);
    page.rectangleDegrade(s, 0, 0, 16, 16, 15);
    const std::string attendu =
        "1 2 3 4 re f\nS\n1.000000 1.000000 1.000000 rg 1 2 3 4 re f\n"
        "S\nq\n2.5 0 0 -1 1 3 cm 0 0 1 1 re W n /Deg12 sh\nQ\n";
    EXPECT_EQ(texte().substr(0, attendu.size()), attendu);
    for (std::uint16_t d = 1; d <= 40; ++d) page.rectangleDegrade(s, 0, 0, 16, 16, d);
    EXPECT_EQ(page.degrades()[29], 30);  // après 12 et 15, les autres jusqu'à 30
    EXPECT_THAT(texte(), ::testing::HasSubstr("/Deg40 sh"));
}

TEST_F(PageEssai, polygoneEtCercleRestentEnAttenteDEtreTraces) {
    s.epaisseurTrait = 0.0f;
    const std::int32_t points[] = {0, 0, 16, 0, 16, 16};
    page.polygone(s, points, false);
    page.cercle(s, 160, 160, 160, false);
    page.fermerMode();
    // k = 160 × 5537 ÷ 10000 = 88,59 → 89.
    EXPECT_EQ(texte(),
              "0 0 m\n1 0 l\n1 1 l\nh\n"
              "0 10 m 0 15.5625 4.4375 20 10 20 c\n15.5625 20 20 15.5625 20 10 c\n"
              "20 4.4375 15.5625 0 10 0 c\n4.4375 0 0 4.4375 0 10 c\nS\n");
    // Un cercle seul sur sa page doit lui aussi être tracé.
    ContenuPage seul(kTraitPreference, kTextePreference);
    seul.cercle(s, 160, 160, 160, false);
    seul.fermerMode();
    EXPECT_EQ(seul.texteComplet().substr(seul.taille() - 2), "S\n");
}

TEST_F(PageEssai, disqueDAutreCouleurChangeLeRemplissageApresLeTrace) {
    s.epaisseurTrait = 0.0f;
    s.couleurRemplissage = 0x0000FF;
    page.cercle(s, 16, 16, 16, true);
    EXPECT_EQ(texte().substr(0, 34), "S\n1.000000 0.000000 0.000000 rg 0 ");
    EXPECT_EQ(fin(5), "c\n f\n");
}

TEST_F(PageEssai, transformationsRattrapeesPuisDepilees) {
    s.profondeur = 1;
    s.transformations[0] = {0.0f, 1.0f, -1.0f, 0.0f, 160.0f, -8.0f};
    EXPECT_TRUE(page.rattraperTransformations(s));
    EXPECT_FALSE(page.rattraperTransformations(s));
    s.epaisseurTrait = 0.0f;
    page.ligne(s, 0, 0, 16, 0);
    page.depilerTransformations(0);
    EXPECT_EQ(texte(), "q 0.000000 1.000000 -1.000000 0.000000 10.000000 -0.500000 cm 0 0 m 1 0 l\nS\nQ ");
}

// « Q » rend l'état d'avant son « q » : une couleur réglée sous la transformation est réécrite après.
TEST_F(PageEssai, apresQLaCouleurRegleeSousLaTransformationEstReecrite) {
    s.epaisseurTrait = 0.0f;
    s.profondeur = 1;
    s.transformations[0] = {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    s.couleurTrait = 0x0000FF;
    page.ligne(s, 0, 0, 16, 0);
    page.depilerTransformations(0);
    s.profondeur = 0;
    page.ligne(s, 0, 0, 16, 0);
    EXPECT_EQ(texte().substr(texte().find("Q ")), "Q S\n1.000000 0.000000 0.000000 RG 0 0 m 1 0 l\n");
}

TEST_F(PageEssai, texteInclineRefermeSonObjetTexte) {
    page.texteIncline(s, 16, 32, M_PI / 2, "Ab");
    EXPECT_EQ(texte(), "BT /F1 10 Tf \n0.000000 1.000000 -1.000000 0.000000 1 2 Tm (Ab) Tj ET\n");
}

// Photos et images internes sont écrites dans la référence page-ressources.pdf ; ici un emplacement hors de 0–2.
TEST_F(PageEssai, uneImageInterneHorsDesEmplacementsEstIgnoree) {
    page.imageDwa(s, 0, 0, 7, 99);
    EXPECT_EQ(texte(), "");
}

TEST_F(PageEssai, morceauxDeMilleOctetsJamaisReecrits) {
    std::string t;
    for (int i = 0; i < 2500; ++i) t += static_cast<char>('a' + i % 26);
    page.ajouter(t.substr(0, 999));
    page.ajouter(t.substr(999, 2));
    page.ajouter(t.substr(1001));
    EXPECT_EQ(page.nombreMorceaux(), 3u);
    EXPECT_EQ(texte(), t);
}

// Le prologue règle couleurs, étirement et translation de la page ; compressé ou non, le contenu suit tel quel.
TEST_F(PageEssai, fluxEcritProloguePuisContenuCompresseOuTelQuel) {
    for (int i = 0; i < 20000; ++i) page.texte(s, i, i * 3, "Ligne de texte assez longue");
    const std::string contenu = texte() + "ET\n";
    ASSERT_TRUE(page.demarrerCompression());
    std::ostringstream sortie;
    const std::uint64_t n = page.ecrireDonnees(sortie, ProloguePage{0x000000, 0x006400, 0.9f, 1.0f, -567, 814});
    EXPECT_EQ(n, sortie.str().size());
    EXPECT_EQ(LecturePdf::inflater(sortie.str()),
              "0.000000 0.000000 0.000000 rg 0.000000 0.392157 0.000000 RG\n"
              "0.900000 0 0 1.000000 0 0 cm\n1 0 0 1 -567 814 cm\n" +
                  contenu);

    ContenuPage brute(kTraitPreference, kTextePreference);
    brute.ajouter("0 0 m 1 1 l\n");
    sortie.str("");
    EXPECT_EQ(brute.ecrireDonnees(sortie, ProloguePage{0, 0, 1.0f, 1.0f, 3, -4}), 117u);  // 60 + 29 + 16 + 12
    EXPECT_EQ(sortie.str(),
              "0.000000 0.000000 0.000000 rg 0.000000 0.000000 0.000000 RG\n"
              "1.000000 0 0 1.000000 0 0 cm\n1 0 0 1 3 -4 cm\n0 0 m 1 1 l\n");
}

// Les primitives ci-dessus écrivent les nombres ordinaires ; ici les seizièmes aux bornes (signe entre
// −1 et 0, entiers extrêmes) et les réels courts à six chiffres (boîtes des pages).
TEST(FormatPdf, seiziemesAuxBornesEtReelsCourtsASixChiffres) {
    const std::pair<std::int64_t, const char*> cas[] = {
        {-24, "-1.5"}, {-16, "-1"}, {-1, "-0.0625"}, {INT32_MIN, "-134217728"}, {INT32_MAX, "134217727.9375"}};
    for (auto [v, attendu] : cas) {
        std::string s;
        ajouterSeiziemes(s, v);
        EXPECT_EQ(s, attendu) << v;
    }
    std::string s;
    ajouterCourt(s, 14400.0 / 1.5);
    s += ' ';
    ajouterCourt(s, 1234.5678);
    EXPECT_EQ(s, "9600 1234.57");
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
