#include "commun/FichierTemporaire.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <random>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lignara {

namespace fs = std::filesystem;

namespace {

bool contientSeparateur(std::string_view morceau) {
    return morceau.find('/') != std::string_view::npos || morceau.find('\\') != std::string_view::npos;
}

#ifdef _WIN32
// Pas de mkstemp : on tire les six caractères et on crée en exclusif jusqu'à trouver un nom libre.
int creerExclusif(const fs::path& dossier, std::string_view prefixe, std::string_view suffixe, fs::path& chemin) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device hasard;
    for (int essai = 0; essai < 100; ++essai) {
        std::string nom(prefixe);
        for (int i = 0; i < 6; ++i) nom += kAlphabet[hasard() % (sizeof kAlphabet - 1)];
        nom += suffixe;
        chemin = dossier / nom;
        const int fd =
            _wopen(chemin.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}
#else
int creerExclusif(const fs::path& dossier, std::string_view prefixe, std::string_view suffixe, fs::path& chemin) {
    std::string modele = (dossier / (std::string(prefixe) + "XXXXXX" + std::string(suffixe))).string();
    // mkostemps crée en O_EXCL avec le mode 0600 (moins le masque de l'utilisateur, d'où le
    // fchmod) et pose O_CLOEXEC dans le même appel : aucun programme lancé entre-temps par
    // un autre fil n'hérite du descripteur.
    const int fd = ::mkostemps(modele.data(), static_cast<int>(suffixe.size()), O_CLOEXEC);
    if (fd < 0) return -1;
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    chemin = modele;
    return fd;
}
#endif

int fermerDescripteur(int fd) {
#ifdef _WIN32
    return _close(fd);
#else
    return ::close(fd);
#endif
}

}  // namespace

FichierTemporaire::FichierTemporaire(FichierTemporaire&& autre) noexcept
    : descripteur_(std::exchange(autre.descripteur_, -1)), chemin_(std::exchange(autre.chemin_, {})) {}

FichierTemporaire& FichierTemporaire::operator=(FichierTemporaire&& autre) noexcept {
    if (this != &autre) {
        abandonner();
        descripteur_ = std::exchange(autre.descripteur_, -1);
        chemin_ = std::exchange(autre.chemin_, {});
    }
    return *this;
}

FichierTemporaire::~FichierTemporaire() { abandonner(); }

void FichierTemporaire::abandonner() {
    if (descripteur_ >= 0) fermerDescripteur(descripteur_);
    descripteur_ = -1;
    effacerNom();
}

bool FichierTemporaire::creer(const fs::path& dossier, std::string_view prefixe, std::string_view suffixe) {
    abandonner();
    if (contientSeparateur(prefixe) || contientSeparateur(suffixe)) {
        errno = EINVAL;
        return false;
    }
    fs::path chemin;
    const int fd = creerExclusif(dossier, prefixe, suffixe, chemin);
    if (fd < 0) return false;
    descripteur_ = fd;
    chemin_ = std::move(chemin);
    return true;
}

bool FichierTemporaire::fermer() {
    if (descripteur_ < 0) return true;
    const int fd = std::exchange(descripteur_, -1);
    return fermerDescripteur(fd) == 0;
}

bool FichierTemporaire::renommer(const fs::path& cible) {
    if (chemin_.empty()) return false;
    std::error_code ec;
    fs::rename(chemin_, cible, ec);
    if (ec) {
        errno = ec.value();  // la cause reste lisible par l'appelant
        return false;
    }
    chemin_.clear();
    return true;
}

void FichierTemporaire::effacerNom() {
    if (chemin_.empty()) return;
    std::error_code ec;
    fs::remove(chemin_, ec);
    chemin_.clear();
}

int FichierTemporaire::liberer() {
    chemin_.clear();
    return std::exchange(descripteur_, -1);
}

}  // namespace lignara
