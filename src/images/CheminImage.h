#pragma once
// Outils communs du module images : chemin de fichier d'un texte Windows-1252 et fin de chemin
// comparée sans égard à la casse.
#include <filesystem>
#include <string>
#include <string_view>

#include "commun/Texte.h"

namespace lignara {

inline std::filesystem::path cheminFichier(const std::string& chemin1252) {
    std::string utf8 = versUtf8(chemin1252);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline bool finitPar(std::string_view texte, std::string_view fin) {
    if (texte.size() < fin.size()) return false;
    std::string_view bout = texte.substr(texte.size() - fin.size());
    for (std::size_t i = 0; i < fin.size(); ++i) {
        char c = bout[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != fin[i]) return false;
    }
    return true;
}

}  // namespace lignara
