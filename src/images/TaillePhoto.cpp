#include "images/TaillePhoto.h"

#include <array>
#include <cstdint>
#include <fstream>

#include "images/BibliothequeJpeg.h"
#include "images/CheminImage.h"
#include "images/LecteurPhoto.h"

namespace lignara {

namespace {

std::uint32_t grandBoutiste32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
           (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
}

// Signature (8 octets) puis bloc IHDR : largeur à l'octet 16, hauteur à l'octet 20, gros-boutistes.
std::optional<TaillePixels> tailleParEnTetePng(const std::filesystem::path& chemin) {
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::ifstream fichier(chemin, std::ios::binary);
    std::array<unsigned char, 24> octets{};
    if (!fichier.read(reinterpret_cast<char*>(octets.data()), octets.size())) return std::nullopt;
    for (std::size_t i = 0; i < 8; ++i)
        if (octets[i] != kSignature[i]) return std::nullopt;
    const std::uint32_t largeur = grandBoutiste32(&octets[16]);
    const std::uint32_t hauteur = grandBoutiste32(&octets[20]);
    // Le format borne les dimensions à 2^31 − 1 ; au-delà, l'en-tête ment.
    if (largeur == 0 || hauteur == 0 || largeur > 0x7FFFFFFFu || hauteur > 0x7FFFFFFFu)
        return std::nullopt;
    return TaillePixels{static_cast<std::int32_t>(largeur), static_cast<std::int32_t>(hauteur)};
}

std::optional<TaillePixels> tailleParEnTeteJpeg(const std::string& chemin1252,
                                                const RecepteurMessages& messages) {
    TaillePixels taille;
    std::string message;
    if (lireTailleJpeg(cheminFichier(chemin1252), taille.largeur, taille.hauteur, message))
        return taille;
    if (!message.empty()) transmettre(messages, messageErreurJpeg(chemin1252, message));
    return std::nullopt;
}

}  // namespace

std::optional<TaillePixels> taillePhoto(const std::string& chemin1252, const RecepteurMessages& messages) {
    if (chemin1252.size() >= 4) {
        if (finitPar(chemin1252, ".png")) return tailleParEnTetePng(cheminFichier(chemin1252));
        if (finitPar(chemin1252, ".jpg") || finitPar(chemin1252, ".jpeg"))
            return tailleParEnTeteJpeg(chemin1252, messages);
    }
    return taillePhotoParLecteur(cheminFichier(chemin1252));
}

}  // namespace lignara
