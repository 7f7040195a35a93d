#include "EssaiRendu.h"
#include "render/html/PageWeb.h"
#include "reference/Chronologie.h"
#include "reference/ChronologieTrace.h"
#include "support/Message.h"

using namespace lignara;
using essai::chemin1252;
using essai::HasSubstr;

namespace {

// Ligne de la page qui commence par debut, sans son saut de ligne.
std::string ligneQuiCommencePar(const std::string& page, const std::string& debut) {
    auto p = page.find(debut);
    if (p == std::string::npos) return {};
    return page.substr(p, page.find('\n', p) - p);
}

// Une page aux préférences par défaut, écrite dans un dossier propre à l'essai.
class PageWebEssai : public ::testing::Test {
protected:
    std::string fermer(const std::string& nom = "a.htm") {
        page.fermer();
        return essai::lireFichier(d / nom);
    }
    essai::DossierEssai d;
    ReglagesDessin r;
    PageWeb page{r};
};

}  // namespace

TEST_F(PageWebEssai, pagePositionneeALOctetPres) {
    page.ouvrirPositionnee(d / "a.htm", "Arbre de <Dupont> & fils \xE9", 2000, 1760, ".h {color:#0000aa;}");
    page.texte(0, 0, "Jean  Dupont");
    page.boite(100, 200, 900, 300);
    page.boite(0, 0, 2000, 704, {.bas = true, .droite = false, .haut = true, .gauche = false});
    EXPECT_EQ(fermer(), essai::golden("page-web-positionnee.htm"));
}

// Le style propre à la page vient après celui des préférences.
TEST_F(PageWebEssai, pageContinueALOctetPresAvecSesMargesEnPointsEtSonStyle) {
    page.ouvrirContinue(d / "s.htm", "L", "td {color:red;}");
    EXPECT_THAT(fermer("s.htm"), HasSubstr("body {margin: 22pt 22pt 22pt 22pt;}\ntd {color:red;}\n-->\n"));
    r.margeHaut = 160;
    r.margeDroite = 320;
    r.margeBas = 480;
    r.margeGauche = 640;
    PageWeb liste(r);
    liste.ouvrirContinue(d / "l.htm", "Liste \"A\"");
    EXPECT_EQ(liste.hauteurPage(), -1);
    liste.ecrireTexte("Ligne 1\n1 < 2 & 3 > 2\n");
    liste.ecrireBalises("<b>gras</b>");
    liste.fermer();
    EXPECT_EQ(essai::lireFichier(d / "l.htm"), essai::golden("page-web-continue.htm"));
}

TEST_F(PageWebEssai, texteAuBasDuDessinAuDessusDeLaMargeBasse) {
    page.ouvrirPositionnee(d / "a.htm", "t", 1000, 17600);
    // Hauteur : (352 + 352 + 17600) × 1467 ÷ 17600 + 1 = 1525 + 1.
    EXPECT_EQ(page.hauteurPage(), 1526);
    EXPECT_EQ(page.pixelY(0), 1526 - 29);  // 352 × 1467 ÷ 17600 = 29
    EXPECT_EQ(page.pixelY(17600), 30);     // tout en haut du dessin, sous la marge haute
    EXPECT_EQ(page.pixelX(1000), 94);      // 1352 × 7 ÷ 100
    page.texte(0, 0, "x");
    EXPECT_THAT(fermer(), HasSubstr("\n<div style=\"position:absolute;top:1483px;left:24px;\">x</div>\n"));
}

TEST_F(PageWebEssai, unDessinDemesureNeDebordePas) {
    page.ouvrirPositionnee(d / "a.htm", "t", 160000000, 160000000);
    EXPECT_EQ(page.hauteurPage(), (std::int64_t{160000000} + 704) * 1467 / 17600 + 1);
    EXPECT_EQ(page.pixelY(160000000), page.hauteurPage() - (std::int64_t{160000000} + 352) * 1467 / 17600);
    page.boite(0, 0, 160000000, 160000000);
    EXPECT_THAT(fermer(), HasSubstr("height:13336363px;width:11200000px;"));
}

TEST_F(PageWebEssai, photoLieeParSonAdresseDeFichierEchappee) {
    page.ouvrirPositionnee(d / "a.htm", "t", 1000, 1000);
    page.image(0, 0, 1000, 832, chemin1252(d / "a \"b\" & <c> \xC3\xA9t\xC3\xA9.jpg"));
    page.image(0, 0, 1000, 832, "");  // pas d'adresse : rien
    const std::int64_t hauteur = page.hauteurPage();
    const std::string html = fermer();
    const std::string ligne = ligneQuiCommencePar(html, "<div style=\"border-width:0;");
    ASSERT_FALSE(ligne.empty()) << html;
    // Haut : pixel de y + 592 ; largeur 1000 × 7 ÷ 100 ; hauteur fixe de 49 pixels.
    const std::int64_t haut = hauteur - (592 + 352) * 1467 / 17600;
    EXPECT_THAT(ligne, HasSubstr("top:" + std::to_string(haut) + "px;left:24px;\"><a href=\"file:///"));
    EXPECT_THAT(ligne, HasSubstr("a%20%22b%22%20%26%20%3Cc%3E%20%C3%A9t%C3%A9.jpg\"><img style=\"border:0\" alt=\"\" "
                                 "src=\"file:///"));
    EXPECT_THAT(ligne, HasSubstr("\" width=70 height=49></a></div>"));
}

// Le document donne son chemin natif (comme nommerFichier) et sa taille ; une ouverture impossible dit le chemin.
TEST_F(PageWebEssai, ouvertAuCheminEtALaTailleDuDocumentOuDitPourquoiNon) {
    EXPECT_EQ(essai::messageDe([&] { page.ouvrirContinue(d / "absent" / "x.htm", "t"); }),
              "Ouverture impossible du fichier " + chemin1252(d / "absent" / "x.htm") + "\nDossier inexistant");
    Graphique g;
    g.largeur = 2000;
    g.hauteur = 1760;
    g.format = FormatSortie::Web;
    g.chemin = (d / "AA_\xC3\x89MILE.htm").string();
    page.ouvrirPositionnee(g, "t");
    EXPECT_THAT(fermer("AA_\xC3\x89MILE.htm"), HasSubstr("top:206px;left:189px;font-size:1px;"));
}

// Décalés des marges de la page, les blocs placent les bandes d'une chronologie aux pixels de la page.
TEST_F(PageWebEssai, recoitLesBandesDUneChronologieAuxMemesPixels) {
    const auto c = Chronologie::lire(
        Chronologie::image({PeriodeChronologie{1800, 1850, "R\xE9gence <1>", 0x12, 0x34, 0x56}}), 1800, 1900);
    page.ouvrirPositionnee(d / "a.htm", "t", 10000, 6420);
    RedacteurBlocsWeb blocs(page, r.margeGauche, r.margeBas);
    ecrireChronologieWeb(c, blocs, 10000, 0);
    const BandeChronologie b = c.bandes().at(0);
    page.boite(0, b.haut, 10000, b.bas);
    const std::string haut = std::to_string(page.pixelY(b.bas));
    const std::string html = fermer();
    const std::string bande = ligneQuiCommencePar(html, "<div style=\"position:absolute;left:");
    ASSERT_THAT(html, HasSubstr("<div style=\"position:absolute;top:" + haut + "px;left:24px;height:"));
    EXPECT_THAT(bande, HasSubstr("left:24px;top:" + haut + "px;"));
    EXPECT_THAT(bande, HasSubstr("background-color:#123456;"));
    EXPECT_THAT(html, HasSubstr(">R\xE9gence &lt;1&gt;</div>"));
}
