#include <QColor>
#include <QImage>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "MessagesCaptures.h"
#include "commun/Texte.h"
#include "images/TaillePhoto.h"

using namespace lignara;
using essai::chemin1252;
using essai::DossierEssai;
using essai::MessagesCaptures;

namespace {

std::string enregistrer(const DossierEssai& d, const std::string& nomUtf8, int l, int h, const char* format) {
    QImage image(l, h, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    std::filesystem::path p = d / nomUtf8;
    EXPECT_TRUE(image.save(QString::fromStdString(p.string()), format));
    return chemin1252(p);
}

// Qt ne sait pas écrire le GIF : on le fabrique, unicolore. Codes LZW de 3 bits, un code
// d'effacement avant chaque pixel pour que la table ne grandisse jamais.
std::string gifUnicolore(std::uint16_t l, std::uint16_t h) {
    std::string g = "GIF89a";
    auto u16 = [&](std::uint16_t v) {
        g += char(v & 0xFF);
        g += char(v >> 8);
    };
    u16(l);
    u16(h);
    g += std::string(
        "\x80\x00\x00"
        "\xC8\x1E\x1E"
        "\xFF\xFF\xFF",
        9);
    g += ',';
    u16(0);
    u16(0);
    u16(l);
    u16(h);
    g += std::string("\x00\x02", 2);
    std::string donnees;
    std::uint32_t acc = 0;
    int nbits = 0;
    auto code = [&](std::uint32_t c) {
        acc |= c << nbits;
        nbits += 3;
        while (nbits >= 8) {
            donnees += char(acc & 0xFF);
            acc >>= 8;
            nbits -= 8;
        }
    };
    for (int i = 0; i < l * h; ++i) {
        code(4);
        code(0);
    }
    code(5);
    if (nbits > 0) donnees += char(acc & 0xFF);
    for (std::size_t i = 0; i < donnees.size(); i += 255) {
        std::string bloc = donnees.substr(i, 255);
        g += char(bloc.size());
        g += bloc;
    }
    return g + std::string("\x00;", 2);
}

// Taille d'une photo qui ne doit faire envoyer aucun message.
std::optional<TaillePixels> tailleSansMessage(const std::string& chemin1252) {
    MessagesCaptures messages;
    std::optional<TaillePixels> taille = taillePhoto(chemin1252, messages.recepteur());
    EXPECT_TRUE(messages.messages.empty()) << chemin1252;
    return taille;
}

}  // namespace

TEST(TaillePhoto, litLaTailleDansLEnTetePngSansEgardALaCasse) {
    DossierEssai d;
    EXPECT_EQ(tailleSansMessage(enregistrer(d, "a.png", 37, 21, "PNG")), (TaillePixels{37, 21}));
    EXPECT_EQ(tailleSansMessage(enregistrer(d, "B.PNG", 5, 300, "PNG")), (TaillePixels{5, 300}));
}

TEST(TaillePhoto, refuseUnPngSansSignatureOuTronque) {
    DossierEssai d;
    std::string octets(24, '\0');
    octets[19] = 10;  // largeur et hauteur plausibles, mais pas de signature
    octets[23] = 10;
    EXPECT_FALSE(tailleSansMessage(chemin1252(d.ecrire("faux.png", octets))));
    const std::string debutPng = std::string("\x89PNG\r\n\x1a\n", 8) + std::string("\0\0\0\rIHDR", 8);
    EXPECT_FALSE(tailleSansMessage(chemin1252(d.ecrire("tronque.png", debutPng))));
    EXPECT_FALSE(tailleSansMessage(chemin1252(d / "absent.png")));
}

TEST(TaillePhoto, litLEnTeteJpegParLaBibliotheque) {
    DossierEssai d;
    EXPECT_EQ(tailleSansMessage(enregistrer(d, "a.jpg", 40, 30, "JPG")), (TaillePixels{40, 30}));
    EXPECT_EQ(tailleSansMessage(enregistrer(d, "b.JPEG", 3, 700, "JPG")), (TaillePixels{3, 700}));
}

// La raison est dite en français, sans citer les premiers octets du fichier comme le ferait le
// texte anglais de la bibliothèque (« starts with 0x72 0x6f »).
TEST(TaillePhoto, unJpegAbimeDonneUneRaisonEnFrancaisEtPasDeTaille) {
    DossierEssai d;
    MessagesCaptures avis;
    const std::string nom = chemin1252(d.ecrire("abîmé.jpg", "rose est une fleur"));
    EXPECT_FALSE(taillePhoto(nom, avis.recepteur()));
    std::string jpeg = essai::lireFichier(enregistrer(d, "vrai.jpg", 40, 30, "JPG"));
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
        ASSERT_FALSE(avis.messages.empty());
        EXPECT_EQ(avis.messages.back(), "Erreur dans le fichier " + nom + "\nCe n'est pas un fichier ordinaire");
    }
}

TEST(TaillePhoto, unJpegAbsentEchoueSansMessage) {
    DossierEssai d;
    MessagesCaptures avis;
    EXPECT_FALSE(taillePhoto(chemin1252(d / "absent.jpg"), avis.recepteur()));
    EXPECT_TRUE(avis.messages.empty());
}

TEST(TaillePhoto, lesAutresFormatsPassentParLeLecteurDImages) {
    DossierEssai d;
    EXPECT_EQ(tailleSansMessage(chemin1252(d.ecrire("a.gif", gifUnicolore(12, 9)))), (TaillePixels{12, 9}));
    EXPECT_EQ(tailleSansMessage(enregistrer(d, "a.bmp", 7, 8, "BMP")), (TaillePixels{7, 8}));
    // Un PNG mal nommé se lit quand même par son contenu.
    EXPECT_EQ(tailleSansMessage(enregistrer(d, "png.image", 4, 6, "PNG")), (TaillePixels{4, 6}));
    EXPECT_FALSE(tailleSansMessage(chemin1252(d.ecrire("texte.gif", "pas une image"))));
    EXPECT_FALSE(tailleSansMessage("a.b"));
    EXPECT_FALSE(tailleSansMessage(""));
}

TEST(TaillePhoto, accepteUnCheminAccentue) {
    DossierEssai d;
    std::string nom = enregistrer(d, "été à Noël.png", 9, 4, "PNG");
    EXPECT_NE(nom.find("\xE9t\xE9"), std::string::npos);  // bien du Windows-1252
    EXPECT_EQ(tailleSansMessage(nom), (TaillePixels{9, 4}));
}

TEST(TaillePhoto, litUnTiffQuandLeGreffonEstInstalle) {
    DossierEssai d;
    QImage image(13, 11, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    if (!image.save(QString::fromStdString((d / "a.tif").string()), "TIFF"))
        GTEST_SKIP() << "greffon TIFF de Qt absent (qt6-image-formats-plugins)";
    EXPECT_EQ(tailleSansMessage(chemin1252(d / "a.tif")), (TaillePixels{13, 11}));
}
