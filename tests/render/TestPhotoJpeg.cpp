// Photos : leur taille lue selon le format, leur réencodage en JPEG à la taille voulue.
#include <sys/stat.h>

#include <sstream>

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include "MessagesCaptures.h"
#include "commun/Texte.h"
#include "images/PhotoJpeg.h"
#include "images/TaillePhoto.h"
#include "support/DossierEssai.h"

using namespace lignara;
using essai::chemin1252;
using essai::DossierEssai;
using essai::MessagesCaptures;

namespace {

QImage decoder(const std::string& jpeg) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(jpeg.data()), static_cast<int>(jpeg.size()), "JPG");
    return image;
}

// Image unie de l × h pixels.
QImage unie(int l, int h, const QColor& couleur, QImage::Format format = QImage::Format_RGB32) {
    QImage image(l, h, format);
    image.fill(couleur);
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

// Taille d'une photo qui ne doit faire envoyer aucun message.
std::optional<TaillePixels> tailleSansMessage(const std::string& chemin1252) {
    MessagesCaptures messages;
    std::optional<TaillePixels> taille = taillePhoto(chemin1252, messages.recepteur());
    EXPECT_TRUE(messages.messages.empty()) << chemin1252;
    return taille;
}

}  // namespace

TEST(PhotoJpeg, reencodeALaTailleVoulueEnGardantLesCouleurs) {
    DossierEssai d;
    QImage image = unie(200, 100, QColor(255, 0, 0));
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
    const std::string photo = enregistrer(unie(31, 17, QColor(0, 128, 0)), d, "p.png", "PNG");
    std::ostringstream sortie;
    EXPECT_EQ(ecrirePhotoJpeg(sortie, photo, {0, 0}, {}), (TaillePixels{31, 17}));
    EXPECT_EQ(decoder(sortie.str()).size(), QSize(31, 17));
    EXPECT_EQ(ecrirePhotoJpeg(sortie, photo, {70000, 5}, {}), (TaillePixels{65500, 5}));
}

TEST(PhotoJpeg, poseLaTransparenceSurDuBlanc) {
    DossierEssai d;
    QImage image = unie(20, 20, Qt::transparent, QImage::Format_ARGB32);
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
    MessagesCaptures avis;
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

// Le PNG par son en-tête, le JPEG par la bibliothèque, les autres (ici BMP) par le lecteur d'images ;
// un PNG mal nommé se lit par son contenu, l'extension sans égard à la casse.
TEST(TaillePhoto, litLaTailleDeChaqueFormatSansEgardALaCasseNiAuxAccents) {
    DossierEssai d;
    const struct {
        const char *nom, *format;
        int l, h;
    } cas[] = {{"a.png", "PNG", 37, 21},       {"B.PNG", "PNG", 5, 300}, {"a.jpg", "JPG", 40, 30},
               {"b.JPEG", "JPG", 3, 700},      {"a.bmp", "BMP", 7, 8},   {"png.image", "PNG", 4, 6},
               {"été à Noël.png", "PNG", 9, 4}};
    for (const auto& c : cas)
        EXPECT_EQ(tailleSansMessage(enregistrer(unie(c.l, c.h, QColor(200, 30, 30)), d, c.nom, c.format)),
                  (TaillePixels{c.l, c.h}))
            << c.nom;
}

// Sans signature, tronqué, absent ou pas une image : pas de taille, et pas de message.
TEST(TaillePhoto, refuseSansMessageCeQuiNEstPasUneImageLisible) {
    DossierEssai d;
    std::string octets(24, '\0');
    octets[19] = octets[23] = 10;  // largeur et hauteur plausibles, mais pas de signature
    const std::string debutPng = std::string("\x89PNG\r\n\x1a\n", 8) + std::string("\0\0\0\rIHDR", 8);
    for (const std::string& nom :
         {chemin1252(d.ecrire("faux.png", octets)), chemin1252(d.ecrire("tronque.png", debutPng)),
          chemin1252(d / "absent.png"), chemin1252(d / "absent.jpg"),
          chemin1252(d.ecrire("texte.gif", "pas une image")), std::string("a.b"), std::string()})
        EXPECT_FALSE(tailleSansMessage(nom)) << nom;
}

// La raison est dite en français, sans les premiers octets que cite la bibliothèque (« starts with 0x72 »).
TEST(TaillePhoto, unJpegAbimeDonneUneRaisonEnFrancaisEtPasDeTaille) {
    DossierEssai d;
    MessagesCaptures avis;
    const std::string nom = chemin1252(d.ecrire("abîmé.jpg", "rose est une fleur"));
    EXPECT_FALSE(taillePhoto(nom, avis.recepteur()));
    std::string jpeg = essai::lireFichier(enregistrer(unie(40, 30, QColor(200, 30, 30)), d, "vrai.jpg", "JPG"));
    const std::string coupe = chemin1252(d.ecrire("coupe.jpg", jpeg.substr(0, 30)));
    EXPECT_FALSE(taillePhoto(coupe, avis.recepteur()));
    EXPECT_EQ(avis.messages,
              (std::vector<std::string>{"Erreur dans le fichier " + nom + "\nCe n'est pas une image JPEG",
                                        "Erreur dans le fichier " + coupe +
                                            "\nImage JPEG tronqu\xE9"
                                            "e"}));
}

TEST(TaillePhoto, unTubeOuUnPeripheriqueNommeCommeUnePhotoEstRefuseSansAttendre) {
    DossierEssai d;
    ASSERT_EQ(::mkfifo((d / "tube.jpg").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((d / "tube.gif").c_str(), 0600), 0);
    MessagesCaptures avis;
    for (const std::string& nom : {chemin1252(d / "tube.jpg"), chemin1252(d / "tube.gif"), std::string("/dev/zero")}) {
        EXPECT_FALSE(taillePhoto(nom, avis.recepteur())) << nom;
        EXPECT_EQ(avis.messages.back(), "Erreur dans le fichier " + nom + "\nCe n'est pas un fichier ordinaire");
    }
}
