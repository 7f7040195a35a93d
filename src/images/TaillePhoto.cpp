#include "images/TaillePhoto.h"

#include <cstdint>

#include "images/BibliothequeJpeg.h"
#include "images/CheminImage.h"
#include "images/FichierPhoto.h"
#include "images/LecteurPhoto.h"

namespace lignara {

namespace {

std::uint32_t grandBoutiste32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
}

// Signature (8 octets) puis bloc IHDR : largeur à l'octet 16, hauteur à l'octet 20, gros-boutistes.
std::optional<TaillePixels> tailleParEnTetePng(FichierPhoto& fichier) {
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::optional<std::string> debut = fichier.lireDebut(24);
    if (!debut) return std::nullopt;
    const auto* octets = reinterpret_cast<const unsigned char*>(debut->data());
    if (debut->size() < 24) return std::nullopt;
    for (std::size_t i = 0; i < 8; ++i)
        if (octets[i] != kSignature[i]) return std::nullopt;
    const std::uint32_t largeur = grandBoutiste32(&octets[16]);
    const std::uint32_t hauteur = grandBoutiste32(&octets[20]);
    // Le format borne les dimensions à 2^31 − 1 ; au-delà, l'en-tête ment.
    if (largeur == 0 || hauteur == 0 || largeur > 0x7FFFFFFFu || hauteur > 0x7FFFFFFFu) return std::nullopt;
    return TaillePixels{static_cast<std::int32_t>(largeur), static_cast<std::int32_t>(hauteur)};
}

std::optional<TaillePixels> tailleParEnTeteJpeg(FichierPhoto& fichier) {
    TaillePixels taille;
    std::string raison;
    if (lireTailleJpeg(fichier.entree(), taille.largeur, taille.hauteur, raison)) return taille;
    fichier.fixerRaison(raison);
    return std::nullopt;
}

std::optional<TaillePixels> tailleParLecteur(FichierPhoto& fichier) {
    std::optional<std::string> octets = fichier.lireTout();
    if (!octets) return std::nullopt;
    return taillePhotoParLecteur(*octets);
}

std::optional<TaillePixels> mesurer(FichierPhoto& fichier, const std::string& chemin1252) {
    if (chemin1252.size() >= 4) {
        if (finitPar(chemin1252, ".png")) return tailleParEnTetePng(fichier);
        if (finitPar(chemin1252, ".jpg") || finitPar(chemin1252, ".jpeg")) return tailleParEnTeteJpeg(fichier);
    }
    return tailleParLecteur(fichier);
}

}  // namespace

std::optional<TaillePixels> taillePhoto(const std::string& chemin1252, const RecepteurMessages& messages) {
    FichierPhoto fichier;
    std::optional<TaillePixels> taille;
    if (fichier.ouvrir(chemin1252)) taille = mesurer(fichier, chemin1252);
    if (!taille) {
        const std::string message = messagePhoto(chemin1252, fichier.raison());
        if (!message.empty()) transmettre(messages, message);
    }
    return taille;
}

}  // namespace lignara
