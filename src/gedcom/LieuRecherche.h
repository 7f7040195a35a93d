#pragma once
// Recherche dichotomique commune aux tables de lieux, triées sur leur clé.
#include <algorithm>
#include <span>
#include <string_view>

#include "gedcom/LieuTables.h"

namespace lignara::lieux {

constexpr std::string_view cleDe(std::string_view ligne) { return ligne; }
template <typename Ligne>
constexpr std::string_view cleDe(const Ligne& ligne) {
    return ligne.cle;
}

// Ligne de clé égale, ou nullptr.
template <typename Ligne>
const Ligne* chercherParCle(std::span<const Ligne> table, std::string_view cle) {
    auto it = std::lower_bound(table.begin(), table.end(), cle,
                               [](const Ligne& l, std::string_view c) { return cleDe(l) < c; });
    if (it == table.end() || cleDe(*it) != cle) return nullptr;
    return &*it;
}

}  // namespace lignara::lieux
