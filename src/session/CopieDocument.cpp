#include "session/CopieDocument.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "commun/FichierTemporaire.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

namespace fs = std::filesystem;

OperationImpossible echec(const char* message1252, const fs::path& chemin) {
    return OperationImpossible(message1252 + depuisUtf8(chemin.string()));
}

// Tout ce qui reste à lire de source, écrit dans destination ; faux à la première erreur.
bool recopier(int source, int destination) {
    char tampon[65536];
    for (;;) {
        ssize_t lus = ::read(source, tampon, sizeof tampon);
        if (lus < 0 && errno == EINTR) continue;
        if (lus < 0) return false;
        if (lus == 0) return true;
        for (ssize_t ecrits = 0; ecrits < lus;) {
            ssize_t n = ::write(destination, tampon + ecrits, static_cast<std::size_t>(lus - ecrits));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            ecrits += n;
        }
    }
}

struct Descripteur {
    int fd;
    ~Descripteur() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

void copierDocument(const fs::path& source, const fs::path& cible) {
    Descripteur lu{::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW)};
    if (lu.fd < 0) throw echec("Lecture impossible du fichier\n", source);
    const fs::path dossier = cible.parent_path().empty() ? fs::path(".") : cible.parent_path();
    FichierTemporaire temporaire;
    if (!temporaire.creer(dossier, ".lignara-")) throw echec("Enregistrement impossible du fichier\n", cible);
    bool reussi = recopier(lu.fd, temporaire.descripteur()) && ::fchmod(temporaire.descripteur(), 0644) == 0 &&
                  ::fsync(temporaire.descripteur()) == 0;
    reussi = temporaire.fermer() && reussi;
    // En cas d'échec, le temporaire est effacé avec l'objet ; la cible n'a pas été touchée.
    if (!reussi || !temporaire.renommer(cible)) throw echec("Enregistrement impossible du fichier\n", cible);
}

}  // namespace lignara
