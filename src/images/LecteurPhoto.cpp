#include "images/LecteurPhoto.h"

#include <cstring>

#include <QImage>
#include <QImageReader>
#include <QString>

namespace lignara {

namespace {

QString nomQt(const std::filesystem::path& chemin) {
    return QString::fromStdString(chemin.string());
}

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

std::optional<TaillePixels> taillePhotoParLecteur(const std::filesystem::path& chemin) {
    QImageReader lecteur(nomQt(chemin));
    lecteur.setAutoTransform(false);
    QSize taille = lecteur.size();
    if (!taille.isValid()) {
        QImage image = lecteur.read();
        if (image.isNull()) return std::nullopt;
        taille = image.size();
    }
    if (taille.width() <= 0 || taille.height() <= 0) return std::nullopt;
    return TaillePixels{taille.width(), taille.height()};
}

std::optional<PhotoRvb> chargerPhotoRvb(const std::filesystem::path& chemin,
                                       TaillePixels tailleVoulue) {
    QImageReader lecteur(nomQt(chemin));
    lecteur.setAutoTransform(false);
    QImage image = lecteur.read();
    if (image.isNull()) return std::nullopt;
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (tailleVoulue.largeur > 0 && tailleVoulue.hauteur > 0 &&
        (tailleVoulue.largeur != image.width() || tailleVoulue.hauteur != image.height())) {
        image = image.scaled(tailleVoulue.largeur, tailleVoulue.hauteur, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    if (image.isNull()) return std::nullopt;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return surFondBlanc(image);
}

}  // namespace lignara
