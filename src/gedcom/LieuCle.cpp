#include "gedcom/LieuCle.h"

#include <cstdint>

namespace lignara {

namespace {

// Lettre de clé de chaque octet Windows-1252, 0 pour un octet supprimé. Les minuscules
// accentuées suivent leurs majuscules (32 plus loin), sauf ÷ qui n'est pas une lettre.
// Ø, Þ et leurs minuscules ne sont pas repliés : ils sont supprimés comme les autres signes.
constexpr std::array<char, 256> construireRepli() {
    std::array<char, 256> t{};
    auto plage = [&t](int debut, int fin, char base) {
        for (int c = debut; c <= fin; ++c) {
            t[static_cast<std::size_t>(c)] = base;
            t[static_cast<std::size_t>(c + 32)] = base;
        }
    };
    for (int c = 'A'; c <= 'Z'; ++c) plage(c, c, static_cast<char>(c));
    plage(0xC0, 0xC5, 'A');
    plage(0xC6, 0xC6, '\xC6');
    plage(0xC7, 0xC7, 'C');
    plage(0xC8, 0xCB, 'E');
    plage(0xCC, 0xCF, 'I');
    plage(0xD0, 0xD0, 'D');
    plage(0xD1, 0xD1, 'N');
    plage(0xD2, 0xD6, 'O');
    t[0xD7] = 'X';
    plage(0xD9, 0xDC, 'U');
    plage(0xDD, 0xDD, 'Y');
    t[0xDF] = 'B';
    t[0xFF] = 'Y';
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
