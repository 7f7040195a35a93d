#include "gedcom/LieuCle.h"

#include <cstdint>

#include "commun/PliageAccents.h"

namespace lignara {

namespace {

// Lettre de clé de chaque octet Windows-1252, 0 pour un octet supprimé.
constexpr std::array<char, 256> construireRepli() {
    std::array<char, 256> t = kLettresDeBase;
    // Æ et æ, sans lettre de base, comptent ici pour une lettre : « Færøerne » garde son Æ.
    t[0xC6] = '\xC6';
    t[0xE6] = '\xC6';
    return t;
}

constexpr std::array<char, 256> kRepli = construireRepli();

}  // namespace

LieuCle::LieuCle(std::string_view composante) {
    for (char c : composante) {
        char lettre = kRepli[static_cast<std::uint8_t>(c)];
        if (lettre == 0) continue;
        octets_[longueur_++] = lettre;
        if (longueur_ == kLongueurMax) break;
    }
}

}  // namespace lignara
