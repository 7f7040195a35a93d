#pragma once
// Clés des index de noms : partie du nom, octet 31, partie des prénoms. Les parties ne
// contiennent jamais d'octet inférieur à 32, si bien que l'ordre des clés entières (octets non
// signés) est celui des couples (nom, prénoms) : les index rangent des rangs, pas des textes.
#include <cstddef>
#include <string>
#include <string_view>

namespace lignara::cle_index {

inline constexpr char kSeparateur = 31;

inline std::string composer(std::string_view nom, std::string_view prenoms) {
    std::string cle;
    cle.reserve(nom.size() + 1 + prenoms.size());
    cle.append(nom).push_back(kSeparateur);
    cle.append(prenoms);
    return cle;
}

// Signe de la comparaison de « nom · 31 · prénoms » avec cle, octets non signés.
inline int comparer(std::string_view nom, std::string_view prenoms, std::string_view cle) {
    std::size_t i = 0;
    auto partie = [&](std::string_view p) {
        for (char c : p) {
            if (i == cle.size()) return 1;
            auto x = static_cast<unsigned char>(c);
            auto y = static_cast<unsigned char>(cle[i++]);
            if (x != y) return x < y ? -1 : 1;
        }
        return 0;
    };
    const char separateur = kSeparateur;
    if (int r = partie(nom)) return r;
    if (int r = partie(std::string_view(&separateur, 1))) return r;
    if (int r = partie(prenoms)) return r;
    return i == cle.size() ? 0 : -1;
}

}  // namespace lignara::cle_index
