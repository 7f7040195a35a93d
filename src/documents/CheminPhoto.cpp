#include "documents/CheminPhoto.h"

#include <algorithm>

#include "commun/Texte.h"
#include "images/CheminImage.h"

namespace lignara {

namespace {

bool estAdresseWeb(const std::string& chemin) {
    const std::string debut = chemin.substr(0, 8);
    return debut.rfind("http://", 0) == 0 || debut.rfind("https://", 0) == 0 || debut.rfind("HTTP://", 0) == 0 ||
           debut.rfind("HTTPS://", 0) == 0;
}

// « C:\… », « \\serveur\… » : absolus pour Windows, même lus ailleurs.
bool estAbsoluWindows(const std::string& chemin) {
    if (chemin.size() >= 2 && chemin[1] == ':') return true;
    return !chemin.empty() && (chemin[0] == '\\' || chemin[0] == '/');
}

}  // namespace

std::string resoudreCheminPhoto(const std::string& chemin1252, std::uint8_t fichierGedcom,
                                const std::vector<std::filesystem::path>& dossiersGedcom) {
    if (chemin1252.empty() || estAdresseWeb(chemin1252) || estAbsoluWindows(chemin1252)) return chemin1252;
    if (fichierGedcom >= dossiersGedcom.size() || dossiersGedcom[fichierGedcom].empty()) return chemin1252;
    std::string relatif = chemin1252;
#ifndef _WIN32
    // Un GEDCOM écrit sous Windows sépare ses dossiers par des barres inverses.
    std::replace(relatif.begin(), relatif.end(), '\\', '/');
#endif
    const std::filesystem::path complet = dossiersGedcom[fichierGedcom] / cheminFichier(relatif);
    const std::u8string utf8 = complet.u8string();
    return depuisUtf8(std::string(utf8.begin(), utf8.end()));
}

}  // namespace lignara
