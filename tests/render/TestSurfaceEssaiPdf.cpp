// La planche d'essai écrite par le programme, contrôlée par les outils de qpdf et de poppler.
#include <gtest/gtest.h>

#include "DossierEssai.h"
#include "LecturePdf.h"

using namespace lignara;
using essai::DossierEssai;
using essai::executer;

namespace {

std::string entreGuillemets(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace

TEST(SurfaceEssaiPdf, laPlancheDEssaiPasseLesOutilsEtSeRendPageAPage) {
    for (const char* outil : {"qpdf", "pdftotext", "pdffonts", "pdftoppm"})
        if (!essai::outilPresent(outil)) GTEST_SKIP() << outil << " absent";
    DossierEssai d;
    const auto pdf = d / "planche.pdf";
    int statut = 0;
    std::string sortie = executer(std::string(LIGNARA_PROGRAMME) + " essai-pdf " + entreGuillemets(pdf), statut);
    ASSERT_EQ(statut, 0) << sortie;
    EXPECT_NE(sortie.find("8 pages"), std::string::npos) << sortie;

    sortie = executer("qpdf --check " + entreGuillemets(pdf), statut);
    EXPECT_EQ(statut, 0) << sortie;
    EXPECT_EQ(sortie.find("WARNING"), std::string::npos) << sortie;

    sortie = executer("pdftotext -enc UTF-8 " + entreGuillemets(pdf) + " -", statut);
    EXPECT_EQ(statut, 0);
    for (const char* attendu : {"Généalogie", "àâäçéèêëîïôöùûüÿ", "ÀÂÇÉÈÊÎÔÙ", "Œœ €",
                                "Frère aîné, née à Besançon", "(parenthèses) \\",
                                "www.lignara.org", "Rond-rose.dwa"})
        EXPECT_NE(sortie.find(attendu), std::string::npos) << attendu;

    sortie = executer("pdffonts " + entreGuillemets(pdf), statut);
    EXPECT_NE(sortie.find("TrueType          WinAnsi"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("-Italic"), std::string::npos) << sortie;

    sortie = executer("pdftoppm -r 10 -png " + entreGuillemets(pdf) + " " + entreGuillemets(d / "page"),
                      statut);
    EXPECT_EQ(statut, 0) << sortie;
    EXPECT_TRUE(sortie.empty()) << sortie;  // aucune erreur de rendu
    for (int page = 1; page <= 8; ++page)
        EXPECT_TRUE(std::filesystem::exists(d / ("page-" + std::to_string(page) + ".png"))) << page;
}

TEST(SurfaceEssaiPdf, sansDonneesInstalleesLaCommandeDitDeReinstaller) {
    DossierEssai d;
    int statut = 0;
    const std::string sortie =
        executer("LIGNARA_DONNEES=" + entreGuillemets(d / "vide") + " " + LIGNARA_PROGRAMME +
                     " essai-pdf " + entreGuillemets(d / "x.pdf"),
                 statut);
    EXPECT_NE(statut, 0);
    EXPECT_NE(sortie.find("Accès impossible à des données internes\nVous devriez réinstaller Lignara"),
              std::string::npos)
        << sortie;
}

TEST(SurfaceEssaiPdf, unePhotoAbimeeDonneUneImageBlancheEtUnFichierValide) {
    if (!essai::outilPresent("qpdf")) GTEST_SKIP() << "qpdf absent";
    DossierEssai d;
    const auto photo = d.ecrire("abimee.gif", "GIF89a\x10\x00\x10\x00 tronqué");
    int statut = 0;
    std::string sortie = executer(std::string(LIGNARA_PROGRAMME) + " essai-pdf --format 1720 --photo " +
                                      entreGuillemets(photo) + " " + entreGuillemets(d / "p.pdf"),
                                  statut);
    ASSERT_EQ(statut, 0) << sortie;
    sortie = executer("qpdf --check " + entreGuillemets(d / "p.pdf"), statut);
    EXPECT_EQ(statut, 0) << sortie;
    EXPECT_EQ(sortie.find("WARNING"), std::string::npos) << sortie;
}
