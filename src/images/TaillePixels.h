#pragma once
#include <cstdint>

namespace lignara {

// Taille d'une image en pixels.
struct TaillePixels {
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    bool operator==(const TaillePixels&) const = default;
};

}  // namespace lignara
