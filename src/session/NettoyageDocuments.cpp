#include "session/NettoyageDocuments.h"

#include <string>

namespace lignara {

namespace {

bool estUnDocument(const std::string& nom, std::span<const std::string_view> prefixes) {
    if (nom.size() < 4) return false;
    std::string_view fin = std::string_view(nom).substr(nom.size() - 4);
    if (fin != ".pdf" && fin != ".rtf" && fin != ".htm" && fin != ".txt") return false;
    for (std::string_view prefixe : prefixes)
        if (nom.starts_with(prefixe)) return true;
    return false;
}

}  // namespace

std::size_t nettoyerDocuments(const std::filesystem::path& dossierSortie,
                              std::span<const std::string_view> prefixes) noexcept {
    std::size_t effaces = 0;
    std::error_code ec;
    std::filesystem::directory_iterator it(dossierSortie, ec), fin;
    for (; !ec && it != fin; it.increment(ec)) {
        // Nos documents sont créés sans suivre de lien : un lien ou un dossier n'est pas à nous.
        std::error_code ecEntree;
        if (it->is_symlink(ecEntree) || !it->is_regular_file(ecEntree)) continue;
        if (!estUnDocument(it->path().filename().string(), prefixes)) continue;
        std::error_code ecEffacement;
        if (std::filesystem::remove(it->path(), ecEffacement)) ++effaces;
    }
    return effaces;
}

}  // namespace lignara
