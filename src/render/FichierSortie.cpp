#include "render/FichierSortie.h"

#include <cerrno>
#include <locale>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace lignara {

namespace {

#ifdef _WIN32

int creerSansLien(const std::filesystem::path& chemin) {
    int fd = _wopen(chemin.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd >= 0 || errno != EEXIST) return fd;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(chemin, ec))) return -1;
    return _wopen(chemin.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY);
}

int ecrireDescripteur(int fd, const char* octets, std::size_t n) {
    return _write(fd, octets, static_cast<unsigned>(n));
}

int fermerDescripteur(int fd) { return _close(fd); }

#else

// Un nom déjà pris n'est repris que s'il désigne un fichier ordinaire à un seul lien : ni lien
// symbolique (O_NOFOLLOW), ni tube qui bloquerait (O_NONBLOCK), ni second nom d'un fichier
// d'autrui.
int reprendreFichierOrdinaire(const std::filesystem::path& chemin) {
    int fd = ::open(chemin.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode) || etat.st_nlink != 1 ||
        ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, 0);
    return fd;
}

int creerSansLien(const std::filesystem::path& chemin) {
    int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
    return reprendreFichierOrdinaire(chemin);
}

long ecrireDescripteur(int fd, const char* octets, std::size_t n) { return ::write(fd, octets, n); }

int fermerDescripteur(int fd) { return ::close(fd); }

#endif

}  // namespace

// Les nombres écrits dans les fichiers ignorent la langue de l'utilisateur.
FichierSortie::FichierSortie() : flux_(this) { flux_.imbue(std::locale::classic()); }

FichierSortie::~FichierSortie() { fermer(); }

bool FichierSortie::ouvrir(const std::filesystem::path& chemin) {
    fermer();
    descripteur_ = creerSansLien(chemin);
    echec_ = false;
    flux_.clear();
    setp(tampon_.data(), tampon_.data() + tampon_.size());
    return descripteur_ >= 0;
}

bool FichierSortie::vider() {
    const char* debut = pbase();
    std::size_t reste = static_cast<std::size_t>(pptr() - pbase());
    while (reste > 0 && !echec_) {
        const auto ecrits = ecrireDescripteur(descripteur_, debut, reste);
        if (ecrits < 0 && errno == EINTR) continue;
        if (ecrits <= 0) {
            echec_ = true;
            break;
        }
        debut += ecrits;
        reste -= static_cast<std::size_t>(ecrits);
    }
    setp(tampon_.data(), tampon_.data() + tampon_.size());
    return !echec_;
}

FichierSortie::int_type FichierSortie::overflow(int_type c) {
    if (descripteur_ < 0 || !vider()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int FichierSortie::sync() { return descripteur_ >= 0 && vider() ? 0 : -1; }

bool FichierSortie::fermer() {
    if (descripteur_ < 0) return false;
    vider();
    if (fermerDescripteur(descripteur_) != 0) echec_ = true;
    descripteur_ = -1;
    setp(nullptr, nullptr);
    return !echec_ && !flux_.bad();
}

}  // namespace lignara
