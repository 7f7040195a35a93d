#include "commun/FichierEntree.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "commun/CauseErreur.h"

namespace lignara {

FichierEntree::FichierEntree(FichierEntree&& autre) noexcept
    : descripteur_(std::exchange(autre.descripteur_, -1)), taille_(autre.taille_), erreur_(autre.erreur_) {}

FichierEntree& FichierEntree::operator=(FichierEntree&& autre) noexcept {
    if (this != &autre) {
        fermer();
        descripteur_ = std::exchange(autre.descripteur_, -1);
        taille_ = autre.taille_;
        erreur_ = autre.erreur_;
    }
    return *this;
}

FichierEntree::~FichierEntree() { fermer(); }

void FichierEntree::fermer() {
#ifdef _WIN32
    if (descripteur_ >= 0) _close(descripteur_);
#else
    if (descripteur_ >= 0) ::close(descripteur_);
#endif
    descripteur_ = -1;
}

#ifndef _WIN32
bool FichierEntree::ouvrir(const std::filesystem::path& chemin) {
    fermer();
    erreur_ = 0;
    taille_ = 0;
    // O_NONBLOCK : ouvrir un tube nommé sans écrivain n'attend pas ; O_NOCTTY : un terminal
    // ouvert par erreur ne devient pas celui du programme.
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        erreur_ = errno;
        return false;
    }
    struct stat s {};
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        erreur_ = S_ISDIR(s.st_mode) ? EISDIR : kErreurPasFichierOrdinaire;
        ::close(fd);
        return false;
    }
    // Un fichier ordinaire ne bloque jamais ; on rend au descripteur son mode habituel.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    descripteur_ = fd;
    taille_ = static_cast<std::uint64_t>(s.st_size);
    return true;
}

long long FichierEntree::lire(void* destination, std::size_t n, std::uint64_t position) {
    if (descripteur_ < 0) return -1;
    if (position >= taille_) return 0;
    n = static_cast<std::size_t>(std::min<std::uint64_t>(n, taille_ - position));
    ssize_t lus;
    do {
        lus = ::pread(descripteur_, destination, n, static_cast<off_t>(position));
    } while (lus < 0 && errno == EINTR);
    if (lus < 0) erreur_ = errno;
    return lus;
}

std::FILE* FichierEntree::enFlux() {
    if (descripteur_ < 0) return nullptr;
    std::FILE* f = ::fdopen(descripteur_, "rb");
    if (f) descripteur_ = -1;
    return f;
}
#else
bool FichierEntree::ouvrir(const std::filesystem::path& chemin) {
    fermer();
    erreur_ = 0;
    const int fd = _wopen(chemin.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        erreur_ = errno;
        return false;
    }
    struct _stat64 s {};
    if (_fstat64(fd, &s) != 0 || (s.st_mode & _S_IFMT) != _S_IFREG) {
        erreur_ = kErreurPasFichierOrdinaire;
        _close(fd);
        return false;
    }
    descripteur_ = fd;
    taille_ = static_cast<std::uint64_t>(s.st_size);
    return true;
}

long long FichierEntree::lire(void* destination, std::size_t n, std::uint64_t position) {
    if (descripteur_ < 0) return -1;
    if (position >= taille_) return 0;
    n = static_cast<std::size_t>(std::min<std::uint64_t>(n, taille_ - position));
    if (_lseeki64(descripteur_, static_cast<long long>(position), SEEK_SET) < 0) return -1;
    return _read(descripteur_, destination, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}

std::FILE* FichierEntree::enFlux() {
    if (descripteur_ < 0) return nullptr;
    std::FILE* f = _fdopen(descripteur_, "rb");
    if (f) descripteur_ = -1;
    return f;
}
#endif

std::string FichierEntree::cause() const { return causeErreur(erreur_); }

std::optional<std::string> FichierEntree::lireTout(std::size_t limite) {
    if (descripteur_ < 0) return std::nullopt;
    if (taille_ > limite) {
        erreur_ = kErreurTropVolumineux;
        return std::nullopt;
    }
    std::string octets(static_cast<std::size_t>(taille_), '\0');
    std::size_t lus = 0;
    while (lus < octets.size()) {
        const long long n = lire(octets.data() + lus, octets.size() - lus, lus);
        if (n < 0) return std::nullopt;
        if (n == 0) break;  // fichier raccourci depuis l'ouverture
        lus += static_cast<std::size_t>(n);
    }
    octets.resize(lus);
    return octets;
}

std::optional<std::string> lireFichierEntier(const std::filesystem::path& chemin, std::size_t limite, int* erreur) {
    FichierEntree f;
    std::optional<std::string> octets;
    if (f.ouvrir(chemin)) octets = f.lireTout(limite);
    if (erreur) *erreur = octets ? 0 : f.erreur();
    return octets;
}

}  // namespace lignara
