#pragma once
// Couleur d'un texte posé sur un aplat : noir ou blanc, celui qui contraste le plus avec le fond
// (luminance relative et rapport de contraste des règles d'accessibilité du Web ; l'un des deux
// atteint toujours 4,5:1).
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/ReglagesDessin.h"

namespace lignara {

// Luminance relative d'une couleur 0x00BBGGRR, de 0 (noir) à 1 (blanc).
inline double luminanceRelative(std::uint32_t couleur) {
    auto lineaire = [](std::uint32_t octet) {
        const double c = static_cast<double>(octet & 0xFF) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(couleur) + 0.7152 * lineaire(couleur >> 8) + 0.0722 * lineaire(couleur >> 16);
}

inline double rapportContraste(std::uint32_t a, std::uint32_t b) {
    const double la = luminanceRelative(a), lb = luminanceRelative(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline std::uint32_t texteLisibleSur(std::uint32_t fond) {
    const std::uint32_t noir = couleurRvb(0, 0, 0), blanc = couleurRvb(255, 255, 255);
    return rapportContraste(fond, noir) >= rapportContraste(fond, blanc) ? noir : blanc;
}

}  // namespace lignara
