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

// Taille d'une photo qui ne doit faire envoyer aucun message.
std::optional<TaillePixels> tailleSansMessage(const std::string& chemin1252) {
    MessagesCaptures messages;
    std::optional<TaillePixels> taille = taillePhoto(chemin1252, messages.recepteur());
    EXPECT_TRUE(messages.messages.empty()) << chemin1252;
    return taille;
}

}  // namespace

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
        EXPECT_EQ(tailleSansMessage(enregistrer(d, c.nom, c.l, c.h, c.format)), (TaillePixels{c.l, c.h})) << c.nom;
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
        EXPECT_EQ(avis.messages.back(), "Erreur dans le fichier " + nom + "\nCe n'est pas un fichier ordinaire");
    }
}
