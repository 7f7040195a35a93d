// Pages Web : échappement du texte, pages à l'octet près, validation par la DTD HTML 4.01 (onsgmls,
// opensp, w3c-sgml-lib ; sautée sans eux).
#include "EssaiRendu.h"
#include "render/html/EchappementHtml.h"
#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"
#include "support/Controles.h"
#include "support/Message.h"

using namespace lignara;
using essai::chemin1252;
using essai::HasSubstr;

namespace {

// Textes piégés : balises, entités, guillemets, blancs, octets de contrôle, 0x80 à 0x9F, latin-1.
std::string textePiege() {
    std::string t = "<script>alert(\"x\")</script> & &amp; 'a'  b   c\n";
    for (int o = 0; o < 32; ++o) t += static_cast<char>(o);
    for (int o = 0x7F; o < 0xA0; ++o) t += static_cast<char>(o);
    return t + "\xE9t\xE9 20\xB0 \xA0\xFF]]> -- <!-- </div>";
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

TEST_F(PageWebEssai, unDessinDemesureNeDebordePas) {
    page.ouvrirPositionnee(d / "a.htm", "t", 160000000, 160000000);
    EXPECT_EQ(page.hauteurPage(), (std::int64_t{160000000} + 704) * 1467 / 17600 + 1);
    EXPECT_EQ(page.pixelY(160000000), page.hauteurPage() - (std::int64_t{160000000} + 352) * 1467 / 17600);
    page.boite(0, 0, 160000000, 160000000);
    EXPECT_THAT(fermer(), HasSubstr("height:13336363px;width:11200000px;"));
}

// La place et la taille de la photo sont dans la référence des blocs ; ici l'adresse échappée.
TEST_F(PageWebEssai, photoLieeParSonAdresseDeFichierEchappee) {
    page.ouvrirPositionnee(d / "a.htm", "t", 1000, 1000);
    page.image(0, 0, 1000, 832, chemin1252(d / "a \"b\" & <c> \xC3\xA9t\xC3\xA9.jpg"));
    page.image(0, 0, 1000, 832, "");  // pas d'adresse : rien
    const std::string html = fermer();
    EXPECT_THAT(html, HasSubstr("a%20%22b%22%20%26%20%3Cc%3E%20%C3%A9t%C3%A9.jpg\"><img style=\"border:0\" alt=\"\" "
                                "src=\"file:///"));
    EXPECT_EQ(html.find("<img"), html.rfind("<img"));
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

// Blancs gardant leur largeur, ni balise ni attribut ouvert, <br>, 0x80–0x9F (absents d'ISO-8859-1) en
// références numériques, latin-1 tel quel sauf le degré, contrôles remplacés sans rien perdre autour.
TEST(EchappementHtml, blancsBalisesSautsDeLigneOctetsHautsEtControles) {
    const std::pair<std::string, std::string> cas[] = {
        {"a   b", "a &nbsp; b"},
        {"    ", " &nbsp; &nbsp;"},
        {"a\tb", "a b"},
        {"<script>alert(\"x\")</script>", "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"},
        {"un\ndeux\r\ntrois\rquatre", "un<br>deux<br>trois<br>quatre"},
        {"\x80", "&euro;"},
        {"l\x92"
         "an \x85",
         "l&#8217;an &#8230;"},
        {"\x81\x8D\x8F\x90\x9D", "&#65533;&#65533;&#65533;&#65533;&#65533;"},  // sans caractère en Windows-1252
        {"\xE9t\xE9 \xA0\xFF", "\xE9t\xE9 \xA0\xFF"},
        {"20\xB0", "20&deg;"},
        {std::string("a\x00"
                     "b\x01\x1F\x7F"
                     "c",
                     7),
         "a&#65533;b&#65533;&#65533;&#65533;c"}};
    for (const auto& [entree, attendu] : cas) EXPECT_EQ(echapperHtml(entree), attendu) << entree;
    EXPECT_EQ(echapperTitreHtml("un\ndeux <b>"), "un deux &lt;b&gt;");  // pas de saut dans le titre
}

// Aucun octet écrit n'est refusé par la DTD (0–8, 11, 12, 14–31, 127–159) ni ne commence une balise.
TEST(EchappementHtml, toutOctetDonneUnTexteSur) {
    for (int o = 0; o < 256; ++o) {
        const std::string sortie = echapperHtml(std::string(1, static_cast<char>(o)));
        for (unsigned char c : sortie) {
            EXPECT_TRUE(c == '\t' || c == '\n' || c == '\r' || (c >= 32 && c < 127) || c >= 160) << "octet " << o;
            EXPECT_NE(c, '"') << "octet " << o;
        }
        EXPECT_TRUE(sortie.find('<') == std::string::npos || sortie == "<br>") << "octet " << o;
    }
}

namespace {

class PageWebValidation : public ::testing::Test {
protected:
    void SetUp() override {
        if (!essai::validateurHtmlPresent()) GTEST_SKIP() << "onsgmls ou w3c-sgml-lib absent : validation sautée";
    }
    // Ferme la page : elle valide et aucune balise piégée n'y est ouverte.
    void fermerEtValider() {
        page.fermer();
        EXPECT_EQ(essai::erreursDeValidationHtml(chemin), "");
        EXPECT_EQ(essai::lireFichier(chemin).find("<script"), std::string::npos);
    }
    essai::DossierEssai d;
    ReglagesDessin r;
    PageWeb page{r};
    std::filesystem::path chemin = d / "p.htm";
    std::string photo = chemin1252(d / "photo \"x\" & <y>.jpg");
};

}  // namespace

TEST_F(PageWebValidation, pagePositionneePiegeeValide) {
    page.ouvrirPositionnee(chemin, textePiege(), 4000, 3000, ".n {color:#0000aa;}");
    page.texte(0, 0, textePiege());
    page.texte(-500, 5000, "");
    page.boite(10, 10, 400, 100);
    page.boite(10, 10, 4000, 3000, {.bas = false, .droite = true, .haut = false, .gauche = true});
    page.image(100, 100, 1000, 832, photo);
    fermerEtValider();
}

// Chaque bloc du rédacteur des graphiques, textes piégés compris, tient dans la DTD stricte.
TEST_F(PageWebValidation, blocsDesGraphiquesPiegesValident) {
    page.ouvrirPositionnee(chemin, "Arbre", 8000, 4000);
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(page);
    blocs.aplat(0, 4000, 8000, 1000, 0x123456);
    blocs.equerre(1000, 1000, 3000, 3000);
    blocs.texte(200, 200, textePiege());
    const std::string lignes[] = {textePiege(), "", "+ 1900"};
    BoiteWeb b{.x = 500,
               .haut = 3800,
               .bas = 2856,
               .largeur = 3000,
               .largeurPhoto = 700,
               .photo = photo,
               .ancre = "p12",
               .autresAncres = {},
               .fond = 0xABCDEF,
               .couleurPremiere = 0x0000AA,
               .premiere = textePiege(),
               .lignes = lignes};
    blocs.boite(b);
    b.photo.clear();
    b.largeurPhoto = 0;
    b.ancre.clear();
    b.x = 4000;
    blocs.boite(b);
    blocs.renvoi(5000, 3900, "p12", "&and;<br>&and;");
    fermerEtValider();
}

// Le validateur refuse bien un octet 0x85 brut : les essais ci-dessus peuvent échouer.
TEST_F(PageWebValidation, leValidateurRefuseUnOctetDeControleBrut) {
    page.ouvrirContinue(chemin, "t");
    page.ecrireBalises("a \x85 b");
    page.fermer();
    EXPECT_THAT(essai::erreursDeValidationHtml(chemin), HasSubstr("non SGML character number 133"));
}
