// Rédacteur des blocs positionnés : chaque bloc au pixel près (référence), pixels selon ses décalages, omissions.
#include "render/html/RedacteurBlocsWeb.h"

#include "EssaiRendu.h"
#include "render/Contraste.h"

using namespace lignara;
using essai::DossierEssai;
using essai::lireFichier;

namespace {

// Page d'un arbre de 6000 × 3000 aux marges par défaut (352) : hauteur de page
// (352 + 352 + 3000) × 1467 ÷ 17600 + 1 = 309 pixels.
struct PageArbre {
    DossierEssai dossier;
    ReglagesDessin reglages;
    PageWeb page{reglages};
    std::filesystem::path chemin = dossier / "arbre.htm";
    PageArbre() { page.ouvrirPositionnee(chemin, "Arbre ascendant", 6000, 3000); }
    std::string fermer() {
        page.fermer();
        return lireFichier(chemin);
    }
};

}  // namespace

TEST(RedacteurBlocsWeb, ecritChaqueBlocCommeLeFichierDeReference) {
    PageArbre a;
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(a.page);
    blocs.aplat(0, 3000, 6000, 640, couleurRvb(0xF0, 0xE6, 0x8C));
    blocs.equerre(1500, 1000, 3000, 1800);
    blocs.traitHorizontal(4000, 4400, 1883);
    blocs.texte(4000, 2000, "18.6.1890 Lyon & <Rh\xF4ne>");
    const std::string lignes[] = {"\xB0 12.1.1852 Lyon", "", "horloger", ""};
    BoiteWeb pere{.x = 500,
                  .haut = 2900,
                  .bas = 1956,
                  .largeur = 2400,
                  .largeurPhoto = 832,
                  .photo = "/photos/fran\xE7ois.jpg",
                  .ancre = "p27",
                  .autresAncres = {},
                  .fond = couleurRvb(0x46, 0x46, 0xFF),
                  .couleurPremiere = {},
                  .premiere = "BERTHELOT Fran\xE7ois",
                  .lignes = lignes};
    blocs.boite(pere);
    blocs.boite({.x = 3300,
                 .haut = 2900,
                 .bas = 1956,
                 .largeur = 1800,
                 .largeurPhoto = 0,
                 .photo = {},
                 .ancre = {},
                 .autresAncres = {},
                 .fond = {},
                 .couleurPremiere = a.reglages.couleurFemmes,
                 .premiere = "MOREL Louise",
                 .lignes = {}});
    blocs.renvoi(4200, 2900 + 240, "p27", "&and;<br>&and;");
    EXPECT_EQ(a.fermer(), essai::golden("blocs-arbre.htm"));
}

TEST(RedacteurBlocsWeb, nEcritNiTraitDeMoinsDUnPixelNiTexteVide) {
    PageArbre a;
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(a.page);
    blocs.traitVertical(1000, 500, 500);
    blocs.traitVertical(1000, 500, 502);     // 85,7 et 85,9 pixels : le même
    blocs.traitHorizontal(1000, 1005, 500);  // 91,5 et 91,8 pixels : le même
    blocs.texte(1000, 500, "");
    blocs.equerre(1000, 500, 1000, 500);
    const std::string html = a.fermer();
    EXPECT_THAT(html, ::testing::Not(essai::HasSubstr("dashed")));
    EXPECT_THAT(html, ::testing::Not(essai::HasSubstr("white-space:nowrap")));
}

// Sur un aplat, le texte noir ou blanc qui atteint 4,5:1 (sur le bleu des blocs, le noir ne donnait que 3,6:1).
TEST(Contraste, texteNoirOuBlancLisibleSurToutAplat) {
    const std::uint32_t noir = couleurRvb(0, 0, 0), blanc = couleurRvb(255, 255, 255);
    EXPECT_NEAR(rapportContraste(couleurRvb(0x46, 0x46, 0xFF), noir), 3.6, 0.1);
    EXPECT_NEAR(rapportContraste(noir, blanc), 21.0, 1e-9);
    for (int r = 0; r < 256; r += 17)
        for (int v = 0; v < 256; v += 17)
            for (int b = 0; b < 256; b += 17) {
                const std::uint32_t fond = couleurRvb(std::uint8_t(r), std::uint8_t(v), std::uint8_t(b));
                EXPECT_GE(rapportContraste(fond, texteLisibleSur(fond)), 4.5) << r << ' ' << v << ' ' << b;
            }
}
