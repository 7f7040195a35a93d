#include "images/PhotoJpeg.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "images/BibliothequeJpeg.h"
#include "images/FichierPhoto.h"
#include "images/LecteurPhoto.h"

namespace lignara {

namespace {

// Le format JPEG ne dépasse pas 65500 pixels de côté.
constexpr std::int32_t kCoteJpegMaximal = 65500;

// Au-delà (une photo posée sur près d'un mètre), l'image mise à l'échelle coûterait trop de
// mémoire : elle devient blanche, encodée ligne par ligne.
constexpr std::int64_t kPixelsMax = std::int64_t{16} << 20;

bool tailleDonnee(TaillePixels t) { return t.largeur > 0 && t.hauteur > 0; }

TaillePixels bornee(TaillePixels t) {
    return {std::clamp(t.largeur, 1, kCoteJpegMaximal), std::clamp(t.hauteur, 1, kCoteJpegMaximal)};
}

bool encoderPhoto(std::ostream& sortie, const std::string& chemin1252, const PhotoRvb& photo,
                  std::uint64_t& octetsEcrits, const RecepteurMessages& messages) {
    const auto pas = static_cast<std::size_t>(photo.taille.largeur) * 3;
    std::string message;
    bool reussi = encoderJpeg(
        sortie, photo.taille.largeur, photo.taille.hauteur,
        [&](std::int32_t y) { return photo.pixels.data() + pas * static_cast<std::size_t>(y); }, message, octetsEcrits);
    if (!reussi) transmettre(messages, messagePhoto(chemin1252, message));
    return reussi;
}

// Photo lue puis décodée ; vide sinon. Un fichier qui ne se lit pas (hors absent) envoie sa raison.
std::optional<PhotoRvb> chargerPhoto(const std::string& chemin1252, TaillePixels tailleVoulue,
                                     const RecepteurMessages& messages) {
    FichierPhoto fichier;
    std::optional<PhotoRvb> photo;
    if (fichier.ouvrir(chemin1252)) {
        if (std::optional<std::string> octets = fichier.lireTout()) photo = chargerPhotoRvb(*octets, tailleVoulue);
    }
    const std::string message = messagePhoto(chemin1252, fichier.raison());
    if (!message.empty()) transmettre(messages, message);
    return photo;
}

}  // namespace

void ecrireImageBlancheJpeg(std::ostream& sortie, TaillePixels taille) {
    taille = bornee(taille);
    std::vector<std::uint8_t> ligneBlanche(static_cast<std::size_t>(taille.largeur) * 3, 255);
    std::string message;
    std::uint64_t octets = 0;
    encoderJpeg(
        sortie, taille.largeur, taille.hauteur, [&](std::int32_t) { return ligneBlanche.data(); }, message, octets);
}

TaillePixels ecrirePhotoJpeg(std::ostream& sortie, const std::string& chemin1252, TaillePixels tailleVoulue,
                             const RecepteurMessages& messages) {
    if (tailleDonnee(tailleVoulue)) {
        tailleVoulue = bornee(tailleVoulue);
        if (std::int64_t{tailleVoulue.largeur} * tailleVoulue.hauteur > kPixelsMax) {
            ecrireImageBlancheJpeg(sortie, tailleVoulue);
            return tailleVoulue;
        }
    }
    std::optional<PhotoRvb> photo = chargerPhoto(chemin1252, tailleVoulue, messages);
    if (!photo) {
        TaillePixels blanche = tailleDonnee(tailleVoulue) ? tailleVoulue : TaillePixels{1, 1};
        ecrireImageBlancheJpeg(sortie, blanche);
        return blanche;
    }
    if (!tailleDonnee(tailleVoulue) && photo->taille != bornee(photo->taille)) {
        ecrireImageBlancheJpeg(sortie, photo->taille);
        return bornee(photo->taille);
    }
    std::uint64_t octetsEcrits = 0;
    if (!encoderPhoto(sortie, chemin1252, *photo, octetsEcrits, messages) && octetsEcrits == 0)
        ecrireImageBlancheJpeg(sortie, photo->taille);
    return photo->taille;
}

}  // namespace lignara
