#include "images/FichierPhoto.h"

#include <algorithm>
#include <cerrno>

#include "commun/CauseErreur.h"
#include "images/CheminImage.h"

namespace lignara {

bool FichierPhoto::ouvrir(const std::string& chemin1252) {
    raison_.clear();
    if (entree_.ouvrir(cheminFichier(chemin1252))) return true;
    const int erreur = entree_.erreur();
    if (erreur != ENOENT && erreur != ENOTDIR) raison_ = causeErreur(erreur);
    return false;
}

std::optional<std::string> FichierPhoto::lireTout() {
    std::optional<std::string> octets = entree_.lireTout(kTailleMaximale);
    if (!octets) raison_ = causeErreur(entree_.erreur());
    return octets;
}

std::optional<std::string> FichierPhoto::lireDebut(std::size_t n) {
    std::string octets(static_cast<std::size_t>(std::min<std::uint64_t>(n, entree_.taille())), '\0');
    std::size_t lus = 0;
    while (lus < octets.size()) {
        const long long k = entree_.lire(octets.data() + lus, octets.size() - lus, lus);
        if (k < 0) {
            raison_ = causeErreur(entree_.erreur());
            return std::nullopt;
        }
        if (k == 0) break;
        lus += static_cast<std::size_t>(k);
    }
    octets.resize(lus);
    return octets;
}

std::string messagePhoto(const std::string& chemin1252, const std::string& raison1252) {
    if (raison1252.empty()) return {};
    std::string raison = raison1252;
    if (raison[0] >= 'a' && raison[0] <= 'z') raison[0] = static_cast<char>(raison[0] - 'a' + 'A');
    return "Erreur dans le fichier " + chemin1252 + "\n" + raison;
}

}  // namespace lignara
