// Les pages écrites valident contre la DTD HTML 4.01 (onsgmls, opensp, w3c-sgml-lib), sinon sautés.
#include "EssaiRendu.h"

#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"
#include "support/Controles.h"
#include "support/DossierEssai.h"

using namespace lignara;
using essai::chemin1252;

namespace {

// Textes piégés : balises, entités, guillemets, blancs, octets de contrôle, 0x80 à 0x9F, latin-1.
std::string textePiege() {
    std::string t = "<script>alert(\"x\")</script> & &amp; 'a'  b   c\n";
    for (int o = 0; o < 32; ++o) t += static_cast<char>(o);
    for (int o = 0x7F; o < 0xA0; ++o) t += static_cast<char>(o);
    return t + "\xE9t\xE9 20\xB0 \xA0\xFF]]> -- <!-- </div>";
}

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
    EXPECT_THAT(essai::erreursDeValidationHtml(chemin), ::testing::HasSubstr("non SGML character number 133"));
}
