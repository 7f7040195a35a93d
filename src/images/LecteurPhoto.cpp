#include "images/LecteurPhoto.h"

#include <cstring>
#include <mutex>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QLoggingCategory>

namespace lignara {

namespace {

// Les greffons d'images de Qt écrivent leurs avertissements (« libpng warning… ») sur la
// console : la raison d'un échec est dite une fois, en français, par le document.
void taireAvertissementsImages() {
    static std::once_flag fait;
    std::call_once(fait, [] { QLoggingCategory::setFilterRules("qt.gui.imageio*=false\nqt.gui.imageio.*=false"); });
}

// Lecteur sur les octets déjà lus ; le tampon doit vivre autant que lui.
struct LecteurEnMemoire {
    explicit LecteurEnMemoire(const std::string& octets)
        : donnees(QByteArray::fromRawData(octets.data(), static_cast<qsizetype>(octets.size()))), tampon(&donnees) {
        taireAvertissementsImages();
        tampon.open(QIODevice::ReadOnly);
        lecteur.setDevice(&tampon);
        lecteur.setAutoTransform(false);
    }
    QByteArray donnees;
    QBuffer tampon;
    QImageReader lecteur;
};

// Pose l'image (prémultipliée) sur du blanc : blanc × (1 − alpha) + couleur prémultipliée.
PhotoRvb surFondBlanc(const QImage& image) {
    PhotoRvb photo;
    photo.taille = {image.width(), image.height()};
    const auto largeur = static_cast<std::size_t>(image.width());
    photo.pixels.resize(largeur * 3 * static_cast<std::size_t>(image.height()));
    std::uint8_t* sortie = photo.pixels.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (std::size_t x = 0; x < largeur; ++x) {
            const QRgb p = ligne[x];
            const int blanc = 255 - qAlpha(p);
            *sortie++ = static_cast<std::uint8_t>(qRed(p) + blanc);
            *sortie++ = static_cast<std::uint8_t>(qGreen(p) + blanc);
            *sortie++ = static_cast<std::uint8_t>(qBlue(p) + blanc);
        }
    }
    return photo;
}

}  // namespace

std::optional<TaillePixels> taillePhotoParLecteur(const std::string& octets) {
    LecteurEnMemoire m(octets);
    QSize taille = m.lecteur.size();
    if (!taille.isValid()) {
        QImage image = m.lecteur.read();
        if (image.isNull()) return std::nullopt;
        taille = image.size();
    }
    if (taille.width() <= 0 || taille.height() <= 0) return std::nullopt;
    return TaillePixels{taille.width(), taille.height()};
}

std::optional<PhotoRvb> chargerPhotoRvb(const std::string& octets, TaillePixels tailleVoulue) {
    LecteurEnMemoire m(octets);
    QImage image = m.lecteur.read();
    if (image.isNull()) return std::nullopt;
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (tailleVoulue.largeur > 0 && tailleVoulue.hauteur > 0 &&
        (tailleVoulue.largeur != image.width() || tailleVoulue.hauteur != image.height())) {
        image =
            image.scaled(tailleVoulue.largeur, tailleVoulue.hauteur, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (image.isNull()) return std::nullopt;
    if (image.format() != QImage::Format_ARGB32_Premultiplied) image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return surFondBlanc(image);
}

}  // namespace lignara
