#include "database/CleNom.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "commun/PliageAccents.h"

namespace lignara {

namespace {

// Octet de clé de chaque octet du texte : sa lettre de base, sinon une espace.
constexpr std::array<char, 256> construireCle() {
    std::array<char, 256> t{};
    for (std::size_t o = 0; o < t.size(); ++o) {
        const char lettre = kLettresDeBase[o];
        t[o] = lettre != 0 ? lettre : ' ';
    }
    // Les signes des graphies incertaines restent lisibles dans la clé (\xB0 : °).
    for (char garde : std::string_view("()[]#\xB0?<>{}")) t[static_cast<std::uint8_t>(garde)] = garde;
    // Æ et æ restent tels quels, ni pliés ni effacés : les clés stockées les ont toujours gardés.
    t[0xC6] = '\xC6';
    t[0xE6] = '\xE6';
    return t;
}

constexpr std::array<char, 256> kCle = construireCle();

}  // namespace

std::string CleNom(std::string_view texte) {
    std::string cle(texte.size(), ' ');
    for (std::size_t i = 0; i < texte.size(); ++i) {
        char c = kCle[static_cast<std::uint8_t>(texte[i])];
        if (c == ' ' && i >= 2 && cle[i - 1] == ' ' && cle[i - 2] == ' ') {
            // Un caractère de commande garderait sa valeur sous 32 : il devient '-' comme l'espace.
            auto o = static_cast<std::uint8_t>(texte[i]);
            c = (o == ' ' || o < 32) ? '-' : texte[i];
        }
        cle[i] = c;
    }
    return cle;
}

}  // namespace lignara
