#include "shell/DemarrageDossierSortie.h"

#include <cerrno>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
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

bool estDocumentProduit(std::string_view nom) {
    auto capitale = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (nom.size() < 7 || !capitale(nom[0]) || !capitale(nom[1]) || nom[2] != '_') return false;
    std::string_view fin = nom.substr(nom.size() - 4);
    return fin == ".pdf" || fin == ".rtf" || fin == ".htm" || fin == ".txt";
}

}  // namespace

fs::path preparerDossierSortie(const fs::path& dossierTemporaire) {
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

const fs::path& dossierSortieDuProgramme() {
    static const fs::path dossier = preparerDossierSortie(dossierTemporaire());
    return dossier;
}

std::size_t effacerDocumentsProduits(const fs::path& dossierSortie) noexcept {
    std::size_t effaces = 0;
    std::error_code ec;
    fs::directory_iterator it(dossierSortie, ec), fin;
    for (; !ec && it != fin; it.increment(ec)) {
        // Un lien n'est jamais suivi : seul un vrai fichier de ce dossier est effacé.
        std::error_code ecEntree;
        if (it->is_symlink(ecEntree) || !it->is_regular_file(ecEntree)) continue;
        if (!estDocumentProduit(it->path().filename().native())) continue;
        std::error_code ecEffacement;
        if (fs::remove(it->path(), ecEffacement)) ++effaces;
    }
    return effaces;
}

}  // namespace lignara
