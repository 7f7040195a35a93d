#pragma once
// Chemins des fichiers généalogiques que le programme accepte d'ouvrir.
#include <filesystem>
#include <string>
#include <string_view>

namespace lignara {

// Argument de la ligne de commande : les guillemets de tête sont sautés, ceux de queue ôtés
// (un raccourci les garde parfois autour d'un chemin qui contient des espaces).
std::string cheminDeLaLigneDeCommande(std::string_view argument);

// Vrai pour un nom qui finit par « .ged » ou « .fged », casse ignorée.
bool estCheminGenealogique(const std::filesystem::path& chemin);

}  // namespace lignara
