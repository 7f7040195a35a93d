#include <string>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "commun/OperationImpossible.h"
#include "render/html/PageWeb.h"
#include "reference/Chronologie.h"
#include "reference/ChronologieTrace.h"

using namespace lignara;
using essai::chemin1252;
using essai::DossierEssai;
using essai::lireFichier;

namespace {

std::string golden(const std::string& nom) {
    return lireFichier(std::string(LIGNARA_DOSSIER_SOURCES) + "/tests/golden/" + nom);
}

// Ligne de la page qui commence par debut, sans son saut de ligne.
std::string ligneQuiCommencePar(const std::string& page, const std::string& debut) {
    auto p = page.find(debut);
    if (p == std::string::npos) return {};
    return page.substr(p, page.find('\n', p) - p);
}

}  // namespace

TEST(PageWeb, pagePositionneeALOctetPres) {
    DossierEssai d;
    ReglagesDessin r;
    PageWeb page(r);
    page.ouvrirPositionnee(d / "a.htm", "Arbre de <Dupont> & fils \xE9", 2000, 1760, ".h {color:#0000aa;}");
    page.texte(0, 0, "Jean  Dupont");
    page.boite(100, 200, 900, 300);
    page.boite(0, 0, 2000, 704, {.bas = true, .droite = false, .haut = true, .gauche = false});
    page.fermer();
    EXPECT_EQ(lireFichier(d / "a.htm"), golden("page-web-positionnee.htm"));
}

TEST(PageWeb, pageContinueALOctetPresAvecSesMargesEnPoints) {
    DossierEssai d;
    ReglagesDessin r;
    r.margeHaut = 160;
    r.margeDroite = 320;
    r.margeBas = 480;
    r.margeGauche = 640;
    PageWeb page(r);
    page.ouvrirContinue(d / "l.htm", "Liste \"A\"");
    EXPECT_EQ(page.hauteurPage(), -1);
    page.ecrireTexte("Ligne 1\n1 < 2 & 3 > 2\n");
    page.ecrireBalises("<b>gras</b>");
    page.fermer();
    EXPECT_EQ(lireFichier(d / "l.htm"), golden("page-web-continue.htm"));
}

TEST(PageWeb, styleDeLaPageContinueApresCeluiDesPreferences) {
    DossierEssai d;
    ReglagesDessin r;
    PageWeb page(r);
    page.ouvrirContinue(d / "l.htm", "L", "td {color:red;}");
    page.fermer();
    EXPECT_NE(lireFichier(d / "l.htm").find("body {margin: 22pt 22pt 22pt 22pt;}\ntd {color:red;}\n-->\n"),
              std::string::npos);
}

TEST(PageWeb, texteAuBasDuDessinAuDessusDeLaMargeBasse) {
    DossierEssai d;
    ReglagesDessin r;
    PageWeb page(r);
    page.ouvrirPositionnee(d / "a.htm", "t", 1000, 17600);
    // Hauteur : (352 + 352 + 17600) × 1467 ÷ 17600 + 1 = 1525 + 1.
    EXPECT_EQ(page.hauteurPage(), 1526);
    EXPECT_EQ(page.pixelY(0), 1526 - 29);  // 352 × 1467 ÷ 17600 = 29
    EXPECT_EQ(page.pixelY(17600), 30);     // tout en haut du dessin, sous la marge haute
    EXPECT_EQ(page.pixelX(-352), 0);
    EXPECT_EQ(page.pixelX(1000), 94);  // 1352 × 7 ÷ 100
    page.texte(0, 0, "x");
    page.fermer();
    EXPECT_NE(lireFichier(d / "a.htm").find("\n<div style=\"position:absolute;top:1483px;left:24px;\">x</div>\n"),
              std::string::npos);
}

TEST(PageWeb, unDessinDemesureNeDebordePas) {
    DossierEssai d;
    ReglagesDessin r;
    PageWeb page(r);
    page.ouvrirPositionnee(d / "a.htm", "t", 160000000, 160000000);
    EXPECT_EQ(page.hauteurPage(), (std::int64_t{160000000} + 704) * 1467 / 17600 + 1);
    EXPECT_EQ(page.pixelY(160000000), page.hauteurPage() - (std::int64_t{160000000} + 352) * 1467 / 17600);
    page.boite(0, 0, 160000000, 160000000);
    page.fermer();
    EXPECT_NE(lireFichier(d / "a.htm").find("height:13336363px;width:11200000px;"), std::string::npos);
}

TEST(PageWeb, photoLieeParSonAdresseDeFichierEchappee) {
    DossierEssai d;
    ReglagesDessin r;
    PageWeb page(r);
    page.ouvrirPositionnee(d / "a.htm", "t", 1000, 1000);
    const std::string photo = chemin1252(d / "a \"b\" & <c> \xC3\xA9t\xC3\xA9.jpg");
    page.image(0, 0, 1000, 832, photo);
    page.image(0, 0, 1000, 832, "");  // pas d'adresse : rien
    page.fermer();
    const std::string html = lireFichier(d / "a.htm");
    const std::string ligne = ligneQuiCommencePar(html, "<div style=\"border-width:0;");
    ASSERT_FALSE(ligne.empty()) << html;
    // Haut : pixel de y + 592 ; largeur 1000 × 7 ÷ 100 ; hauteur fixe de 49 pixels.
    const std::int64_t haut = page.hauteurPage() - (592 + 352) * 1467 / 17600;
    EXPECT_NE(ligne.find("top:" + std::to_string(haut) + "px;left:24px;\"><a href=\"file:///"), std::string::npos)
        << ligne;
    EXPECT_NE(
        ligne.find("a%20%22b%22%20%26%20%3Cc%3E%20%C3%A9t%C3%A9.jpg\"><img style=\"border:0\" alt=\"\" src=\"file:///"),
        std::string::npos)
        << ligne;
    EXPECT_NE(ligne.find("\" width=70 height=49></a></div>"), std::string::npos) << ligne;
    EXPECT_EQ(html.find("border-width:0;", html.find(ligne) + ligne.size()), std::string::npos);
}

TEST(PageWeb, couleursDesPreferencesEnRrggbb) {
    ReglagesDessin r;
    r.couleurTexte = couleurRvb(1, 2, 3);
    r.couleurRemplissage = couleurRvb(0xAB, 0xCD, 0xEF);
    DossierEssai d;
    PageWeb page(r);
    page.ouvrirContinue(d / "l.htm", "l");
    EXPECT_EQ(page.couleurs().texte, "#010203");
    EXPECT_EQ(page.couleurs().hommes, "#0000aa");
    EXPECT_EQ(page.couleurs().femmes, "#aa0000");
    EXPECT_EQ(page.couleurs().trait, "#006400");
    EXPECT_EQ(page.couleurs().remplissage, "#abcdef");
    page.fermer();
}

TEST(PageWeb, ouvertureImpossibleDonneLeMessageAvecLeChemin) {
    DossierEssai d;
    ReglagesDessin r;
    PageWeb page(r);
    try {
        page.ouvrirContinue(d / "absent" / "x.htm", "t");
        FAIL();
    } catch (const OperationImpossible& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Ouverture impossible du fichier " + chemin1252(d / "absent" / "x.htm") + "\nDossier inexistant");
    }
}

TEST(PageWeb, ouvertAuCheminEtALaTailleDuDocument) {
    DossierEssai d;
    ReglagesDessin r;
    Graphique g;
    g.largeur = 2000;
    g.hauteur = 1760;
    g.format = FormatSortie::Web;
    g.chemin = (d / "AA_\xC3\x89MILE.htm").string();  // chemin natif, comme nommerFichier le donne
    PageWeb page(r);
    page.ouvrirPositionnee(g, "t");
    page.fermer();
    EXPECT_NE(lireFichier(d / "AA_\xC3\x89MILE.htm").find("top:206px;left:189px;font-size:1px;"), std::string::npos);
}

// Avec les marges de la page pour décalages, le rédacteur des blocs place les bandes d'une
// chronologie aux pixels des éléments de la page elle-même.
TEST(PageWeb, recoitLesBandesDUneChronologieAuxMemesPixels) {
    const auto c = Chronologie::lire(
        Chronologie::image({PeriodeChronologie{1800, 1850, "R\xE9gence <1>", 0x12, 0x34, 0x56}}), 1800, 1900);
    DossierEssai d;
    ReglagesDessin r;
    PageWeb page(r);
    page.ouvrirPositionnee(d / "a.htm", "t", 10000, 6420);
    RedacteurBlocsWeb blocs(page, r.margeGauche, r.margeBas);
    ecrireChronologieWeb(c, blocs, 10000, 0);
    const BandeChronologie b = c.bandes().at(0);
    page.boite(0, b.haut, 10000, b.bas);
    page.fermer();
    const std::string html = lireFichier(d / "a.htm");
    const std::string bande = ligneQuiCommencePar(html, "<div style=\"position:absolute;left:");
    const std::string boite = ligneQuiCommencePar(
        html, "<div style=\"position:absolute;top:" + std::to_string(page.pixelY(b.bas)) + "px;left:24px;height:");
    ASSERT_FALSE(bande.empty()) << html;
    ASSERT_FALSE(boite.empty()) << html;
    EXPECT_NE(bande.find("left:24px;top:" + std::to_string(page.pixelY(b.bas)) + "px;"), std::string::npos)
        << bande << "\n"
        << boite;
    EXPECT_NE(bande.find("background-color:#123456;"), std::string::npos) << bande;
    EXPECT_NE(html.find(">R\xE9gence &lt;1&gt;</div>"), std::string::npos) << html;
    EXPECT_EQ(html.find("<1>"), std::string::npos);
}
