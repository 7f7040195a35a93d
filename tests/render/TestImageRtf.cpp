#include <sstream>

#include <gtest/gtest.h>

#include "render/ImageRtf.h"
#include "support/DossierEssai.h"

using namespace lignara;
using essai::chemin1252;

TEST(ImageRtf, integreUnJpegEnHexadecimalAvecSaTailleEnTwips) {
    essai::DossierEssai d;
    const std::string octets("\xFF\xD8\x00\xAB\x10\xFF\xD9", 7);
    std::ostringstream rtf, sansTaille;
    EXPECT_EQ(ecrireImageRtf(rtf, chemin1252(d.ecrire("a.JPG", octets)), 1000, 832), ResultatImageRtf::Integree);
    EXPECT_EQ(rtf.str(), "{\\*\\shppict{\\pict\\picw1\\pich1\\jpegblip \\picwgoal1250\\pichgoal1040 ffd800ab10ffd9}}");
    ecrireImageRtf(sansTaille, chemin1252(d.ecrire("b.jpeg", octets)), 0, 832);
    EXPECT_EQ(sansTaille.str(), "{\\*\\shppict{\\pict\\picw1\\pich1\\jpegblip ffd800ab10ffd9}}");
}

// Ce qui n'est pas nommé JPEG est compté ; un JPEG qui ne s'ouvre pas est sauté sans bruit.
TEST(ImageRtf, ignoreEtCompteCeQuiNEstPasJpeg) {
    essai::DossierEssai d;
    for (const char* nom : {"a.gif", "a.bmp", "sans-point", "a.jpg.png", "a.jpgx", "jpg"}) {
        std::ostringstream rtf;
        EXPECT_EQ(ecrireImageRtf(rtf, chemin1252(d.ecrire(nom, "x")), 10, 10), ResultatImageRtf::IgnoreeNonJpeg) << nom;
        EXPECT_TRUE(rtf.str().empty());
    }
    std::ostringstream rtf;
    EXPECT_EQ(ecrireImageRtf(rtf, chemin1252(d / "absente.jpg"), 10, 10), ResultatImageRtf::IgnoreeIllisible);
    EXPECT_TRUE(rtf.str().empty());
}
