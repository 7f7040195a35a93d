#pragma once
// Harnais des formats stockés : chaque troncature d'une image saine, puis des copies aux octets
// changés avec une graine fixe. Chaque essai garde ses propres contrôles (la fonction rappelée).
#include <cstddef>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace lignara::essai {

// controle(image) pour chaque début strict de l'image, du plus court (longueur « depuis ») au plus long.
template <class Octets, class Controle>
void pourChaqueTroncature(const Octets& saine, Controle&& controle, std::size_t depuis = 0) {
    for (std::size_t n = depuis; n < saine.size(); ++n) {
        SCOPED_TRACE("coupé à " + std::to_string(n) + " octets");
        controle(Octets(saine.begin(), saine.begin() + static_cast<std::ptrdiff_t>(n)));
    }
}

// controle(image) pour « essais » copies ; la k-ième a 1 + k % changementsMax octets changés (ou
// exclusif non nul, place et valeur tirées de la graine).
template <class Octets, class Controle>
void pourDesOctetsAlteres(const Octets& saine, unsigned graine, int essais, int changementsMax, Controle&& controle) {
    std::mt19937 alea(graine);
    for (int k = 0; k < essais; ++k) {
        Octets copie = saine;
        for (int c = 0; c < 1 + k % changementsMax; ++c) {
            const auto masque = static_cast<typename Octets::value_type>(1 + alea() % 255);
            copie[alea() % copie.size()] ^= masque;
        }
        SCOPED_TRACE("copie altérée n° " + std::to_string(k));
        controle(copie);
    }
}

}  // namespace lignara::essai
