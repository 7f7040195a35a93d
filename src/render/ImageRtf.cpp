#include "render/ImageRtf.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "images/CheminImage.h"
#include "images/FichierPhoto.h"

namespace lignara {

namespace {

bool estJpeg(const std::string& chemin1252) {
    std::size_t point = chemin1252.rfind('.');
    if (point == std::string::npos) return false;
    std::string_view extension = std::string_view(chemin1252).substr(point + 1);
    return (extension.size() == 3 && finitPar(extension, "jpg")) ||
           (extension.size() == 4 && finitPar(extension, "jpeg"));
}

void ecrireOctetsHexadecimaux(std::ostream& rtf, std::string_view octets) {
    static constexpr char kChiffres[] = "0123456789abcdef";
    char hexa[8192];
    while (!octets.empty()) {
        const std::size_t n = std::min(octets.size(), sizeof hexa / 2);
        for (std::size_t i = 0; i < n; ++i) {
            const auto o = static_cast<unsigned char>(octets[i]);
            hexa[2 * i] = kChiffres[o >> 4];
            hexa[2 * i + 1] = kChiffres[o & 15];
        }
        rtf.write(hexa, static_cast<std::streamsize>(2 * n));
        octets.remove_prefix(n);
    }
}

}  // namespace

ResultatImageRtf ecrireImageRtf(std::ostream& rtf, const std::string& chemin1252, std::int32_t largeur,
                                std::int32_t hauteur) {
    if (!estJpeg(chemin1252)) return ResultatImageRtf::IgnoreeNonJpeg;
    // Lu d'abord en entier, sans attendre (FichierPhoto) : rien n'est écrit d'une photo qui ne
    // se lit pas jusqu'au bout.
    FichierPhoto fichier;
    std::optional<std::string> octets;
    if (fichier.ouvrir(chemin1252)) octets = fichier.lireTout();
    if (!octets) return ResultatImageRtf::IgnoreeIllisible;
    rtf << "{\\*\\shppict{\\pict\\picw1\\pich1\\jpegblip ";
    // Unités de dessin (1/16 point) en twips (1/20 point).
    if (largeur > 0)
        rtf << "\\picwgoal" << std::int64_t{largeur} * 5 / 4 << "\\pichgoal" << std::int64_t{hauteur} * 5 / 4 << ' ';
    ecrireOctetsHexadecimaux(rtf, *octets);
    rtf << "}}";
    return ResultatImageRtf::Integree;
}

std::string messageImagesIgnoreesRtf(int nombre) {
    std::string message = "Seules les images JPEG peuvent être intégrées dans le document RTF\n"_1252;
    if (nombre <= 0) return {};
    if (nombre == 1) return message + "Une image a été ignorée"_1252;
    return message + std::to_string(nombre) + " images ont été ignorées"_1252;
}

}  // namespace lignara
