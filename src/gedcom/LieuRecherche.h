#pragma once
// Tri à la compilation et recherche dichotomique communs aux tables de lieux : les lignes
// peuvent être écrites dans l'ordre qui les rend lisibles, la table compilée est triée.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "gedcom/LieuTables.h"

namespace lignara::lieux {

constexpr std::string_view cleDe(std::string_view ligne) { return ligne; }
template <typename Ligne>
constexpr std::string_view cleDe(const Ligne& ligne) {
    return ligne.cle;
}

template <typename Ligne, std::size_t N>
consteval std::array<Ligne, N> trierParCle(std::array<Ligne, N> table) {
    std::sort(table.begin(), table.end(),
              [](const Ligne& a, const Ligne& b) { return cleDe(a) < cleDe(b); });
    return table;
}

// Ligne de clé égale, ou nullptr.
template <typename Ligne>
const Ligne* chercherParCle(std::span<const Ligne> table, std::string_view cle) {
    auto it = std::lower_bound(table.begin(), table.end(), cle,
                               [](const Ligne& l, std::string_view c) { return cleDe(l) < c; });
    if (it == table.end() || cleDe(*it) != cle) return nullptr;
    return &*it;
}

// Tables de subdivisions des pays autres que la France et les États-Unis ; vide sans table.
std::span<const LieuLigneSubdivision> subdivisionsAutresPays(CodePays pays);

}  // namespace lignara::lieux
