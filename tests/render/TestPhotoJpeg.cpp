#include <sstream>

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "MessagesCaptures.h"
#include "images/PhotoJpeg.h"

using namespace lignara;
using essai::chemin1252;
using essai::DossierEssai;

namespace {

QImage decoder(const std::string& jpeg) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(jpeg.data()), static_cast<int>(jpeg.size()), "JPG");
    return image;
}

// Enregistre l'image dans le dossier et rend son chemin Windows-1252.
std::string enregistrer(const QImage& image, const DossierEssai& d, const std::string& nom, const char* format) {
    EXPECT_TRUE(image.save(QString::fromStdString((d / nom).string()), format));
    return chemin1252(d / nom);
}

// Tolérance de la compression avec perte.
void attendreCouleur(const QImage& image, int x, int y, int r, int v, int b) {
    const QColor c = image.pixelColor(x, y);
    EXPECT_NEAR(c.red(), r, 12) << x << "," << y;
    EXPECT_NEAR(c.green(), v, 12) << x << "," << y;
    EXPECT_NEAR(c.blue(), b, 12) << x << "," << y;
}

}  // namespace

TEST(PhotoJpeg, reencodeALaTailleVoulueEnGardantLesCouleurs) {
    DossierEssai d;
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 0; y < 100; ++y)
        for (int x = 100; x < 200; ++x) image.setPixelColor(x, y, QColor(0, 0, 255));
    std::ostringstream sortie;
    EXPECT_EQ(ecrirePhotoJpeg(sortie, enregistrer(image, d, "photo.bmp", "BMP"), {50, 166}, {}),
              (TaillePixels{50, 166}));
    QImage jpeg = decoder(sortie.str());
    ASSERT_EQ(jpeg.size(), QSize(50, 166));
    attendreCouleur(jpeg, 5, 80, 255, 0, 0);
    attendreCouleur(jpeg, 45, 80, 0, 0, 255);
}

// Sans taille voulue, celle de la photo ; une place démesurée donne une image blanche bornée à 65500 pixels.
TEST(PhotoJpeg, tailleDeLaPhotoSansTailleVoulueEtPlaceDemesureeBornee) {
    DossierEssai d;
    QImage image(31, 17, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    const std::string photo = enregistrer(image, d, "p.png", "PNG");
    std::ostringstream sortie;
    EXPECT_EQ(ecrirePhotoJpeg(sortie, photo, {0, 0}, {}), (TaillePixels{31, 17}));
    EXPECT_EQ(decoder(sortie.str()).size(), QSize(31, 17));
    EXPECT_EQ(ecrirePhotoJpeg(sortie, photo, {70000, 5}, {}), (TaillePixels{65500, 5}));
}

TEST(PhotoJpeg, poseLaTransparenceSurDuBlanc) {
    DossierEssai d;
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x) image.setPixelColor(x, y, QColor(0, 0, 0));
    std::ostringstream sortie;
    ecrirePhotoJpeg(sortie, enregistrer(image, d, "t.png", "PNG"), {40, 40}, {});
    QImage jpeg = decoder(sortie.str());
    attendreCouleur(jpeg, 4, 20, 0, 0, 0);
    attendreCouleur(jpeg, 36, 20, 255, 255, 255);
}

TEST(PhotoJpeg, unePhotoIllisibleDonneUneImageBlancheValide) {
    DossierEssai d;
    essai::MessagesCaptures avis;
    for (const std::string& nom :
         {chemin1252(d / "absente.jpg"), chemin1252(d.ecrire("abimee.png", "\x89PNG\r\n\x1a\n????"))}) {
        std::ostringstream sortie;
        EXPECT_EQ(ecrirePhotoJpeg(sortie, nom, {33, 12}, avis.recepteur()), (TaillePixels{33, 12}));
        QImage jpeg = decoder(sortie.str());
        ASSERT_EQ(jpeg.size(), QSize(33, 12)) << nom;
        attendreCouleur(jpeg, 16, 6, 255, 255, 255);
    }
    std::ostringstream sortie;
    EXPECT_EQ(ecrirePhotoJpeg(sortie, chemin1252(d / "absente.bmp"), {0, 5}, avis.recepteur()), (TaillePixels{1, 1}));
}
