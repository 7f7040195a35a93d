// La planche d'essai écrite par le programme, contrôlée par les outils de qpdf et de poppler.
#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "support/Controles.h"

using namespace lignara;
using essai::DossierEssai;
using essai::SortieProgramme;

TEST(SurfaceEssaiPdf, laPlancheDEssaiPasseLesOutilsEtSeRendPageAPage) {
    for (const char* outil : {"qpdf", "pdftotext", "pdffonts", "pdftoppm"}) SAUTER_SANS_OUTIL(outil);
    DossierEssai d;
    const auto pdf = d / "planche.pdf";
    const std::string cite = essai::cite(pdf.string());
    SortieProgramme s = essai::lancerProgramme("essai-pdf " + cite);
    ASSERT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(s.texte.find("8 pages"), std::string::npos) << s.texte;
    essai::controlerPdf(pdf);

    s = essai::executerCommande("pdftotext -enc UTF-8 " + cite + " -");
    EXPECT_EQ(s.code, 0);
    for (const char* attendu : {"Généalogie", "àâäçéèêëîïôöùûüÿ", "ÀÂÇÉÈÊÎÔÙ", "Œœ €", "Frère aîné, née à Besançon",
                                "(parenthèses) \\", "www.lignara.org", "Rond-rose.dwa"})
        EXPECT_NE(s.texte.find(attendu), std::string::npos) << attendu;

    s = essai::executerCommande("pdffonts " + cite);
    EXPECT_NE(s.texte.find("TrueType          WinAnsi"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("-Italic"), std::string::npos) << s.texte;

    s = essai::executerCommande("pdftoppm -r 10 -png " + cite + " " + essai::cite((d / "page").string()));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_TRUE(s.texte.empty()) << s.texte;  // aucune erreur de rendu
    for (int page = 1; page <= 8; ++page)
        EXPECT_TRUE(std::filesystem::exists(d / ("page-" + std::to_string(page) + ".png"))) << page;
}

TEST(SurfaceEssaiPdf, sansDonneesInstalleesLaCommandeDitDeReinstaller) {
    DossierEssai d;
    const SortieProgramme s = essai::lancerProgramme("essai-pdf " + essai::cite((d / "x.pdf").string()),
                                                     "LIGNARA_DONNEES=" + essai::cite((d / "vide").string()));
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Accès impossible à des données internes\nVous devriez réinstaller Lignara"),
              std::string::npos)
        << s.texte;
}

TEST(SurfaceEssaiPdf, unePhotoAbimeeDonneUneImageBlancheEtUnFichierValide) {
    DossierEssai d;
    const char gif[] = "GIF89a\x10\x00\x10\x00 tronqué";  // octets nuls compris
    const auto photo = d.ecrire("abimee.gif", std::string(gif, sizeof gif - 1));
    const SortieProgramme s = essai::lancerProgramme("essai-pdf --format 1720 --photo " + essai::cite(photo.string()) +
                                                     " " + essai::cite((d / "p.pdf").string()));
    ASSERT_EQ(s.code, 0) << s.texte;
    essai::controlerPdf(d / "p.pdf");
}
