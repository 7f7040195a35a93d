#include <sstream>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "render/ImageRtf.h"

using namespace lignara;
using essai::chemin1252;
using essai::DossierEssai;

TEST(ImageRtf, integreUnJpegEnHexadecimalAvecSaTailleEnTwips) {
    DossierEssai d;
    const std::string octets("\xFF\xD8\x00\xAB\x10\xFF\xD9", 7);
    std::ostringstream rtf;
    EXPECT_EQ(ecrireImageRtf(rtf, chemin1252(d.ecrire("a.JPG", octets)), 1000, 832), ResultatImageRtf::Integree);
    EXPECT_EQ(rtf.str(),
              "{\\*\\shppict{\\pict\\picw1\\pich1\\jpegblip \\picwgoal1250\\pichgoal1040 "
              "ffd800ab10ffd9}}");
    std::ostringstream sansTaille;
    ecrireImageRtf(sansTaille, chemin1252(d.ecrire("b.jpeg", octets)), 0, 832);
    EXPECT_EQ(sansTaille.str(), "{\\*\\shppict{\\pict\\picw1\\pich1\\jpegblip ffd800ab10ffd9}}");
}

TEST(ImageRtf, ignoreEtCompteCeQuiNEstPasJpeg) {
    DossierEssai d;
    for (const char* nom : {"a.gif", "a.bmp", "sans-point", "a.jpg.png", "a.jpgx", "jpg"}) {
        std::ostringstream rtf;
        EXPECT_EQ(ecrireImageRtf(rtf, chemin1252(d.ecrire(nom, "x")), 10, 10), ResultatImageRtf::IgnoreeNonJpeg) << nom;
        EXPECT_TRUE(rtf.str().empty());
    }
}

TEST(ImageRtf, sauteSansBruitUnJpegQuiNeSOuvrePas) {
    DossierEssai d;
    std::ostringstream rtf;
    EXPECT_EQ(ecrireImageRtf(rtf, chemin1252(d / "absente.jpg"), 10, 10), ResultatImageRtf::IgnoreeIllisible);
    EXPECT_TRUE(rtf.str().empty());
}

TEST(ImageRtf, messageDesImagesIgnoreesAuSingulierEtAuPluriel) {
    EXPECT_EQ(messageImagesIgnoreesRtf(0), "");
    EXPECT_EQ(messageImagesIgnoreesRtf(1),
              "Seules les images JPEG peuvent \xEAtre int\xE9gr\xE9"
              "es dans le document RTF\nUne image a \xE9t\xE9 ignor\xE9"
              "e");
    EXPECT_EQ(messageImagesIgnoreesRtf(12),
              "Seules les images JPEG peuvent \xEAtre int\xE9gr\xE9"
              "es dans le document RTF\n12 images ont \xE9t\xE9 ignor\xE9"
              "es");
}
