#pragma once
// « Pays par défaut » des préférences (deux lettres, la première dans l'octet haut), tel que
// l'import et les documents le lisent.
#include "gedcom/LieuCodePays.h"
#include "reglages/Configuration.h"

namespace lignara {

inline CodePays paysDesPreferences(const Configuration& preferences) {
    return {static_cast<char>(preferences.codePays >> 8), static_cast<char>(preferences.codePays & 0xFF)};
}

}  // namespace lignara
