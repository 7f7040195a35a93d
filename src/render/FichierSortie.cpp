#include "render/FichierSortie.h"

#include <cerrno>
#include <cstdint>
#include <locale>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace lignara {

namespace {

// Un nom déjà pris n'est remplacé que s'il désigne un fichier ordinaire à un seul nom : ni
// lien symbolique, ni tube, ni dossier, ni second nom d'un fichier d'autrui.
bool nomRemplacable(const std::filesystem::path& chemin) {
    std::error_code ec;
    const auto etat = std::filesystem::symlink_status(chemin, ec);
    if (etat.type() == std::filesystem::file_type::not_found) return true;
    if (ec || etat.type() != std::filesystem::file_type::regular) return false;
    return std::filesystem::hard_link_count(chemin, ec) == 1 && !ec;
}

#ifdef _WIN32

int ecrireDescripteur(int fd, const char* octets, std::size_t n) {
    return _write(fd, octets, static_cast<unsigned>(n));
}

std::int64_t deplacerDescripteur(int fd, std::int64_t position) { return _lseeki64(fd, position, SEEK_SET); }

#else

long ecrireDescripteur(int fd, const char* octets, std::size_t n) { return ::write(fd, octets, n); }

std::int64_t deplacerDescripteur(int fd, std::int64_t position) { return ::lseek(fd, position, SEEK_SET); }

#endif

}  // namespace

// Les nombres écrits dans les fichiers ignorent la langue de l'utilisateur.
FichierSortie::FichierSortie() : flux_(this) { flux_.imbue(std::locale::classic()); }

// Sans fermer(), rien n'a pris le nom du document : le temporaire part avec l'objet.
FichierSortie::~FichierSortie() = default;

bool FichierSortie::ouvrir(const std::filesystem::path& chemin) {
    temporaire_ = FichierTemporaire();
    descripteur_ = -1;
    ecrits_ = 0;
    echec_ = false;
    flux_.clear();
    setp(tampon_.data(), tampon_.data() + tampon_.size());
    if (!nomRemplacable(chemin)) return false;
    const std::string nom = chemin.filename().string();
    if (nom.empty() || !temporaire_.creer(chemin.parent_path(), "." + nom + ".")) return false;
    cible_ = chemin;
    descripteur_ = temporaire_.descripteur();
    return true;
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
        ecrits_ += ecrits;
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

FichierSortie::pos_type FichierSortie::seekoff(off_type decalage, std::ios_base::seekdir sens,
                                              std::ios_base::openmode mode) {
    const pos_type refus(off_type(-1));
    if (!(mode & std::ios_base::out) || descripteur_ < 0) return refus;
    const off_type courante = ecrits_ + (pptr() - pbase());
    if (sens == std::ios_base::cur && decalage == 0) return pos_type(courante);
    if (sens == std::ios_base::end || !vider()) return refus;
    const off_type cible = sens == std::ios_base::beg ? decalage : courante + decalage;
    if (cible < 0 || deplacerDescripteur(descripteur_, cible) != cible) return refus;
    ecrits_ = cible;
    return pos_type(cible);
}

FichierSortie::pos_type FichierSortie::seekpos(pos_type position, std::ios_base::openmode mode) {
    return seekoff(off_type(position), std::ios_base::beg, mode);
}

int FichierSortie::sync() { return descripteur_ >= 0 && vider() ? 0 : -1; }

bool FichierSortie::fermer() {
    if (descripteur_ < 0) return false;
    vider();
    descripteur_ = -1;
    setp(nullptr, nullptr);
    if (!temporaire_.fermer()) echec_ = true;
    // Le nom a pu changer de nature depuis l'ouverture : renommer remplace un lien sans le
    // suivre, mais un second nom d'autrui ne doit pas être détaché sans qu'on le sache.
    if (echec_ || flux_.bad() || !nomRemplacable(cible_) || !temporaire_.renommer(cible_)) {
        temporaire_ = FichierTemporaire();
        return false;
    }
    return true;
}

}  // namespace lignara
