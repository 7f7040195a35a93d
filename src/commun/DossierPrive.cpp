#include "commun/DossierPrive.h"

#include <cerrno>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "commun/RestesTemporaires.h"
#include "commun/Texte.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

// Un vrai dossier (pas un lien), à nous, que personne d'autre ne peut lire ni écrire.
bool estPrive(const fs::path& dossier) {
    struct stat s {};
    return ::lstat(dossier.c_str(), &s) == 0 && S_ISDIR(s.st_mode) && s.st_uid == ::geteuid() &&
           (s.st_mode & 07777) == 0700;
}

[[noreturn]] void refuser(const fs::path& dossierTemporaire) {
    throw OperationImpossible(std::string("Accès impossible au répertoire temporaire\n"_1252) +
                              depuisUtf8(dossierTemporaire.string()));
}

fs::path creerDossierUnique(const fs::path& dossierTemporaire, const std::string& nom) {
    std::string modele = (dossierTemporaire / (nom + "-XXXXXX")).string();
    if (::mkdtemp(modele.data()) == nullptr) refuser(dossierTemporaire);
    return modele;  // mkdtemp crée en 0700
}

fs::path trouverOuCreer(const fs::path& dossierTemporaire) {
    std::string nom = "lignara-" + std::to_string(::geteuid());
    fs::path dossier = dossierTemporaire / nom;
    if (::mkdir(dossier.c_str(), 0700) == 0) {
        // Le masque de création ne peut qu'ôter des droits ; on s'assure quand même du mode.
        if (::chmod(dossier.c_str(), 0700) == 0 && estPrive(dossier)) return dossier;
    } else if (errno == EEXIST && estPrive(dossier)) {
        return dossier;
    }
    return creerDossierUnique(dossierTemporaire, nom);
}

}  // namespace

fs::path preparerDossierPrive(const fs::path& dossierTemporaire) {
    fs::path dossier = trouverOuCreer(dossierTemporaire);
    effacerRestesTemporaires(dossier);
    return dossier;
}

const fs::path& dossierPrive() {
    static const fs::path dossier = preparerDossierPrive(dossierTemporaire());
    return dossier;
}

}  // namespace lignara
