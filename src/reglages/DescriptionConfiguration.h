#pragma once
// Les préférences en clair, une ligne « libellé : valeur » par réglage, avec les libellés de
// la feuille « Préférences ». Sert à la ligne de commande (lignara preferences).
#include <string>
#include <vector>

#include "reglages/Configuration.h"

namespace lignara {

// Lignes en Windows-1252, dans l'ordre des pages de la feuille.
std::vector<std::string> decrireConfiguration(const Configuration& configuration);

}  // namespace lignara
