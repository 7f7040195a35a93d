#include "commun/Dossiers.h"

#include <cstdlib>
#include <mutex>
#include <set>
#include <system_error>

#include "commun/OperationImpossible.h"
#include "commun/RestesTemporaires.h"
#include "commun/Texte.h"

#ifndef LIGNARA_DOSSIER_PARTAGE
#define LIGNARA_DOSSIER_PARTAGE "/usr/local/share/lignara"
#endif

namespace lignara {

namespace fs = std::filesystem;

fs::path dossierConfiguration() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".config";
    } else {
        base = fs::temp_directory_path();
    }
    fs::path dossier = base / "lignara";
    std::error_code ec;
    fs::create_directories(dossier, ec);
    // Les réglages s'y écrivent par des temporaires : ceux qu'un arrêt brutal a laissés sont
    // effacés la première fois que le processus rencontre ce dossier.
    static std::mutex verrou;
    static std::set<fs::path> nettoyes;
    std::lock_guard garde(verrou);
    if (nettoyes.insert(dossier).second) effacerRestesTemporaires(dossier);
    return dossier;
}

fs::path dossierConfigurationAccessible() {
    fs::path dossier = dossierConfiguration();
    std::error_code ec;
    if (!fs::is_directory(dossier, ec))
        throw OperationImpossible("Impossibilité d'accéder au répertoire de configuration"_1252);
    return dossier;
}

fs::path cheminProgramme() {
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : p;
}

fs::path dossierInstallation() {
    if (const char* d = std::getenv("LIGNARA_DONNEES"); d && *d) return d;
    std::error_code ec;
    fs::path programme = cheminProgramme();
    if (!programme.empty()) {
        fs::path voisin = programme.parent_path() / "donnees";
        if (fs::is_directory(voisin, ec)) return voisin;
        fs::path partage = programme.parent_path().parent_path() / "share" / "lignara";
        if (fs::is_directory(partage, ec)) return partage;
    }
    return LIGNARA_DOSSIER_PARTAGE;
}

fs::path dossierTemporaire() {
    std::error_code ec;
    fs::path t = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : t;
}

}  // namespace lignara
