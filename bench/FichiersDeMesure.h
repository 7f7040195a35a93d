#pragma once
// Fichiers GEDCOM des mesures : le plus gros fichier réel des données de test.
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace lignara::mesure {

// Chemin vide quand le dossier des données de test est absent.
inline std::filesystem::path plusGrosFichierReel() {
    namespace fs = std::filesystem;
    fs::path meilleur;
    std::uintmax_t taille = 0;
    std::error_code ec;
    if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA, ec)) return meilleur;
    for (const auto& e : fs::recursive_directory_iterator(LIGNARA_DOSSIER_TESTDATA, ec)) {
        std::string ext = e.path().extension().string();
        if (!e.is_regular_file() || (ext != ".ged" && ext != ".GED")) continue;
        if (e.file_size() > taille) {
            taille = e.file_size();
            meilleur = e.path();
        }
    }
    return meilleur;
}

}  // namespace lignara::mesure
