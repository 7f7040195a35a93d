#include <gtest/gtest.h>

#include <sstream>

#include "TestCategorieDossiers.h"
#include "render/LecturePdf.h"
#include "render/EtatTrace.h"
#include "render/ReglagesDessin.h"
#include "render/SurfacePdf.h"
#include "render/html/PageWeb.h"
#include "reference/Chronologie.h"
#include "reference/ChronologieTrace.h"

using namespace lignara;
using essai::DossiersEssai;

namespace {

PeriodeChronologie periode(int debut, int fin, const std::string& libelle, std::uint8_t rouge) {
    return {static_cast<std::int16_t>(debut), static_cast<std::int16_t>(fin), libelle, rouge, 0, 0};
}

}  // namespace

// 1700–1900, marges de 352 : une bande par période sur toute la largeur, puis le libellé de la première.
TEST(ChronologieTrace, dessineLesBandesDecaleesEtLesLibellesEnPdfEtEnAplatsWeb) {
    DossiersEssai d;
    ReglagesDessin reglages;
    reglages.signature = false;
    SurfacePdf surface(reglages, PolicesDocument{}, Horloge::fixee(0));
    auto c = Chronologie::lire(Chronologie::image({periode(1643, 1715, "Louis XIV", 200), periode(1715, 1774, "", 100),
                                                   periode(1715, 1720, "", 50)}),
                               1700, 1900);
    const std::int32_t hauteur = 200 * 64 + 20, largeur = 1600;
    std::filesystem::path fichier = d.installation() / "chrono.pdf";
    surface.ouvrir(fichier, "Essai", 100, largeur, hauteur);
    const std::uint32_t remplissage = surface.etat().couleurRemplissage;
    dessinerChronologie(c, surface, largeur, 0);
    EXPECT_EQ(surface.etat().couleurRemplissage, remplissage);
    surface.fermer();
    // Sans pagination, une seule page.
    const std::string contenu = essai::LecturePdf(fichier).contenus().at(0);
    // Les bandes elles-mêmes sont essayées avec la chronologie ; chacune est un rectangle plein en x = marge 352,
    // y = marge + haut (les années anciennes en haut), de hauteur bas − haut, en points (÷ 16).
    ASSERT_EQ(essai::LecturePdf::compterDans(contenu, " re f"), 3u) << contenu;
    for (const BandeChronologie& b : c.bandes()) {
        std::ostringstream o;  // comme %g
        o << 352 / 16.0 << ' ' << (352 + b.haut) / 16.0 << ' ' << largeur / 16.0 << ' ' << (b.bas - b.haut) / 16.0;
        EXPECT_NE(contenu.find(o.str() + " re f"), std::string::npos) << o.str() << "\n" << contenu;
    }
    EXPECT_NE(contenu.find("0.784314 0.000000 0.000000 rg"), std::string::npos) << contenu;  // rouge 200
    // Libellé en x = 90, à ((2 × 1900 − 1700 − 1715) × 64 − 176) ÷ 2 + 42 au-dessus du bas.
    EXPECT_NE(contenu.find("27.625 789.125 Td (Louis XIV) Tj"), std::string::npos) << contenu;
    // Même mise en place en pixels, par le rédacteur des blocs du graphique : x × 7 ÷ 100,
    // y × 1467 ÷ 17600 depuis le haut de la page ; puis les libellés, échappés.
    auto web = Chronologie::lire(
        Chronologie::image({periode(1800, 1850, "a & b", 0x12), periode(1850, 1900, "web", 0xAB)}), 1800, 1900);
    ReglagesDessin reglagesWeb;
    PageWeb page(reglagesWeb);
    const std::filesystem::path htm = d.installation() / "chrono.htm";
    page.ouvrirPositionnee(htm, "Essai", 10000, 6420);
    RedacteurBlocsWeb blocs(page, 352, 352);
    ecrireChronologieWeb(web, blocs, 10000, 0);
    page.fermer();
    const std::string html = DossiersEssai::lire(htm);
    const std::int64_t hauteurPage = (352 + 6420 + 352) * 1467 / 17600 + 1;
    ASSERT_EQ(page.hauteurPage(), hauteurPage);
    auto aplat = [&](std::int64_t bas, const std::string& couleur) {
        return "<div style=\"position:absolute;left:24px;top:" +
               std::to_string(hauteurPage - (bas + 352) * 1467 / 17600) +
               "px;width:700px;height:" + std::to_string((50 * 64 + 20) * 1467 / 17600) +
               "px;background-color:" + couleur + ";\"></div>\n";
    };
    const std::size_t p = html.find(aplat(100 * 64 + 20, "#120000") + aplat(50 * 64 + 20, "#ab0000"));
    ASSERT_NE(p, std::string::npos) << html;
    const std::size_t libelle = html.find(">a &amp; b</div>");
    EXPECT_TRUE(libelle != std::string::npos && libelle > p) << html;
}
