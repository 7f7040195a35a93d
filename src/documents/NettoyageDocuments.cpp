#include "documents/NettoyageDocuments.h"

#include <string>

#include "documents/Afficheur.h"

namespace lignara {

namespace {

bool estUnDocument(const std::string& nom) {
    if (nom.size() < 4) return false;
    std::string_view fin = std::string_view(nom).substr(nom.size() - 4);
    if (fin != ".pdf" && fin != ".rtf" && fin != ".htm" && fin != ".txt") return false;
    for (std::string_view prefixe : prefixesDocuments())
        if (nom.starts_with(prefixe)) return true;
    return false;
}

}  // namespace

std::size_t nettoyerDocuments(const std::filesystem::path& dossierSortie) {
    std::size_t effaces = 0;
    std::error_code ec;
    for (const auto& entree : std::filesystem::directory_iterator(dossierSortie, ec)) {
        std::error_code ecType;
        if (entree.is_directory(ecType) && !entree.is_symlink(ecType)) continue;
        if (!estUnDocument(entree.path().filename().string())) continue;
        std::error_code ecEffacement;
        if (std::filesystem::remove(entree.path(), ecEffacement)) ++effaces;
    }
    return effaces;
}

}  // namespace lignara
