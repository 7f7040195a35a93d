#include "reglages/FichierReglages.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include "commun/FichierTemporaire.h"

namespace lignara {

namespace fs = std::filesystem;

std::optional<std::vector<std::uint8_t>> lireFichierReglages(const fs::path& chemin,
                                                              std::size_t tailleMaximale) {
    std::error_code ec;
    if (!fs::is_regular_file(chemin, ec)) return std::nullopt;
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) return std::nullopt;
    std::vector<std::uint8_t> octets;
    char tampon[4096];
    while (flux.read(tampon, sizeof tampon) || flux.gcount() > 0) {
        octets.insert(octets.end(), tampon, tampon + flux.gcount());
        if (octets.size() > tailleMaximale) return std::nullopt;
    }
    if (flux.bad()) return std::nullopt;
    return octets;
}

namespace {

bool ecrireTout(int descripteur, std::span<const std::uint8_t> octets) {
    while (!octets.empty()) {
        ssize_t ecrit = ::write(descripteur, octets.data(), octets.size());
        if (ecrit < 0 && errno == EINTR) continue;
        if (ecrit <= 0) return false;
        octets = octets.subspan(static_cast<std::size_t>(ecrit));
    }
    return true;
}

// Le renommage n'est durable qu'une fois le dossier lui-même forcé sur disque.
void forcerDossier(const fs::path& dossier) {
    int d = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (d < 0) return;
    ::fsync(d);
    ::close(d);
}

// Un fichier de réglages peut être un lien (dossier de configuration partagé, gestionnaire de
// fichiers de configuration) : on remplace alors le fichier visé et le lien reste en place.
fs::path fichierVise(const fs::path& cible) {
    std::error_code ec;
    if (!fs::is_symlink(cible, ec)) return cible;
    fs::path vise = fs::weakly_canonical(cible, ec);
    return ec ? cible : vise;
}

}  // namespace

bool remplacerFichierReglages(const fs::path& lien, std::string_view prefixe,
                              std::span<const std::uint8_t> octets) {
    fs::path cible = fichierVise(lien);
    fs::path dossier = cible.parent_path();
    FichierTemporaire temporaire;
    if (!temporaire.creer(dossier, prefixe)) return false;
    bool reussi = ecrireTout(temporaire.descripteur(), octets) && ::fsync(temporaire.descripteur()) == 0;
    reussi = temporaire.fermer() && reussi;
    // En cas d'échec, le temporaire est effacé avec l'objet.
    if (!reussi || !temporaire.renommer(cible)) return false;
    forcerDossier(dossier);
    return true;
}

}  // namespace lignara
