#include "reglages/FichiersRecents.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/FichierReglages.h"

namespace lignara {

namespace {

constexpr std::size_t kLongueurMax = 4096;
constexpr std::size_t kTailleMax = 64 * 1024;
constexpr const char* kNomFichier = "Recents.txt";

bool acceptable(const std::string& chemin) {
    return !chemin.empty() && chemin.size() <= kLongueurMax && std::filesystem::path(chemin).is_absolute() &&
           chemin.find('\n') == std::string::npos;
}

}  // namespace

void FichiersRecents::retenir(const std::filesystem::path& chemin) {
    if (!acceptable(chemin.string())) return;
    oublier(chemin);
    liste_.insert(liste_.begin(), chemin);
    if (liste_.size() > kNombreMax) liste_.resize(kNombreMax);
}

void FichiersRecents::oublier(const std::filesystem::path& chemin) {
    liste_.erase(std::remove(liste_.begin(), liste_.end(), chemin), liste_.end());
}

std::string FichiersRecents::ecrire() const {
    std::string contenu;
    for (const auto& chemin : liste_) contenu += chemin.string() + "\n";
    return contenu;
}

FichiersRecents FichiersRecents::lire(std::string_view contenu) {
    FichiersRecents recents;
    while (!contenu.empty() && recents.liste_.size() < kNombreMax) {
        const std::size_t fin = std::min(contenu.find('\n'), contenu.size());
        const std::string ligne(contenu.substr(0, fin));
        contenu.remove_prefix(std::min(fin + 1, contenu.size()));
        const std::filesystem::path chemin(ligne);
        if (acceptable(ligne) &&
            std::find(recents.liste_.begin(), recents.liste_.end(), chemin) == recents.liste_.end())
            recents.liste_.push_back(chemin);
    }
    return recents;
}

FichiersRecents FichiersRecents::charger(const std::filesystem::path& dossierConfiguration) {
    auto octets = lireFichierReglages(dossierConfiguration / kNomFichier, kTailleMax);
    if (!octets) return {};
    return lire(std::string_view(reinterpret_cast<const char*>(octets->data()), octets->size()));
}

bool FichiersRecents::enregistrer(const std::filesystem::path& dossierConfiguration) const {
    const std::string contenu = ecrire();
    // La liste des fichiers récents n'est qu'une commodité : un échec ne doit pas gêner la sortie.
    try {
        remplacerFichierReglages(dossierConfiguration / kNomFichier,
                                 {reinterpret_cast<const std::uint8_t*>(contenu.data()), contenu.size()},
                                 "Ecriture impossible de la liste des fichiers récents"_1252);
        return true;
    } catch (const OperationImpossible&) {
        return false;
    }
}

}  // namespace lignara
