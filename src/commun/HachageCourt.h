#pragma once
// Valeur de hachage des textes courts des tables de l'import (clés d'enregistrement, lieux,
// chaînes de la base) : huit octets à la fois, sans appel ni boucle d'octets pour la fin. Le
// hachage de la bibliothèque standard passait pour un poste à part entière du profil de
// l'import, appelé des millions de fois sur des textes de dix à trente octets. Les bits bas
// dépendent de tous les octets (les tables prennent les bits bas) ; rien n'est gardé d'une
// exécution à l'autre, seule compte la répartition.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace lignara {

namespace hachage_detail {

constexpr std::uint64_t kMultiplicateur = 0x9E3779B97F4A7C15ull;

inline std::uint64_t melanger(std::uint64_t x) {
    x ^= x >> 32;
    x *= 0xD6E8FEB86659FD93ull;
    x ^= x >> 32;
    x *= 0xD6E8FEB86659FD93ull;
    x ^= x >> 32;
    return x;
}

inline std::uint64_t lire64(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

inline std::uint64_t lire32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

}  // namespace hachage_detail

inline std::size_t hacherCourt(std::string_view texte) {
    using namespace hachage_detail;
    const char* p = texte.data();
    std::size_t n = texte.size();
    std::uint64_t h = kMultiplicateur ^ (n * 0xFF51AFD7ED558CCDull);
    for (; n > 8; n -= 8, p += 8) {
        h = (h ^ lire64(p)) * kMultiplicateur;
        h ^= h >> 29;
    }
    // Fin de 0 à 8 octets : deux lectures qui peuvent se chevaucher (la longueur, déjà mêlée,
    // sépare les textes que le chevauchement confondrait).
    std::uint64_t fin = 0;
    if (n >= 4) {
        fin = (lire32(p) << 32) | lire32(p + n - 4);
    } else if (n > 0) {
        const auto u = [p](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])); };
        fin = (u(0) << 16) | (u(n / 2) << 8) | u(n - 1);
    }
    return static_cast<std::size_t>(melanger((h ^ fin) * kMultiplicateur));
}

}  // namespace lignara
