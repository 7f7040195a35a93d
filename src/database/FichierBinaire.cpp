#include "database/FichierBinaire.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "commun/CauseErreur.h"
#include "commun/FichierTemporaire.h"
#include "commun/OperationImpossible.h"
#include "commun/RestesTemporaires.h"
#include "commun/Texte.h"

namespace lignara {

FichierBinaire::FichierBinaire(FichierBinaire&& autre) noexcept
    : descripteur_(std::exchange(autre.descripteur_, -1)),
      chemin_(std::move(autre.chemin_)),
      effacer_(std::exchange(autre.effacer_, false)) {}

FichierBinaire& FichierBinaire::operator=(FichierBinaire&& autre) noexcept {
    if (this != &autre) {
        fermer();
        descripteur_ = std::exchange(autre.descripteur_, -1);
        chemin_ = std::move(autre.chemin_);
        effacer_ = std::exchange(autre.effacer_, false);
    }
    return *this;
}

FichierBinaire::~FichierBinaire() { fermer(); }

void FichierBinaire::fermer() {
    if (descripteur_ >= 0) ::close(descripteur_);
    descripteur_ = -1;
    if (effacer_ && !chemin_.empty()) ::unlink(chemin_.c_str());
    effacer_ = false;
}

namespace {

[[noreturn]] void ecritureImpossible(int erreur) {
    throw OperationImpossible("Erreur d'écriture dans le fichier\n"_1252 + causeErreurMajuscule(erreur));
}

// Mode 0600 : personne d'autre ne lit la base.
FichierTemporaire creerTemporaire(const std::filesystem::path& dossier, std::string_view prefixe) {
    FichierTemporaire temporaire;
    if (!temporaire.creer(dossier, prefixeTemporaire(prefixe)))
        throw OperationImpossible("Accès impossible au répertoire temporaire\n"_1252 + depuisUtf8(dossier.string()));
    return temporaire;
}

}  // namespace

FichierBinaire FichierBinaire::creer(const std::filesystem::path& dossier, std::string_view prefixe) {
    FichierTemporaire temporaire = creerTemporaire(dossier, prefixe);
    FichierBinaire f;
    f.chemin_ = temporaire.chemin();
    f.descripteur_ = temporaire.liberer();
    f.effacer_ = true;
    return f;
}

FichierBinaire FichierBinaire::creerAnonyme(const std::filesystem::path& dossier, std::string_view prefixe) {
    FichierTemporaire temporaire = creerTemporaire(dossier, prefixe);
    temporaire.effacerNom();
    FichierBinaire f;
    f.descripteur_ = temporaire.liberer();
    return f;
}

FichierBinaire FichierBinaire::ouvrirLecture(const std::filesystem::path& chemin) {
    // Sans attendre un tube, et seulement un fichier ordinaire (vérifié sur le descripteur).
    int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat s {};
    if (fd >= 0 && (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0) throw OperationImpossible("Lecture impossible du fichier\n"_1252 + depuisUtf8(chemin.string()));
    FichierBinaire f;
    f.descripteur_ = fd;
    f.chemin_ = chemin;
    return f;
}

void FichierBinaire::ecrire(std::uint64_t decalage, const void* octets, std::size_t taille) {
    auto p = static_cast<const char*>(octets);
    while (taille > 0) {
        ssize_t n = ::pwrite(descripteur_, p, taille, static_cast<off_t>(decalage));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ecritureImpossible(n < 0 ? errno : ENOSPC);
        p += n;
        taille -= static_cast<std::size_t>(n);
        decalage += static_cast<std::uint64_t>(n);
    }
}

std::size_t FichierBinaire::lire(std::uint64_t decalage, void* octets, std::size_t taille) const {
    auto p = static_cast<char*>(octets);
    std::size_t lus = 0;
    while (lus < taille) {
        ssize_t n = ::pread(descripteur_, p + lus, taille - lus, static_cast<off_t>(decalage + lus));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        lus += static_cast<std::size_t>(n);
    }
    return lus;
}

std::uint64_t FichierBinaire::taille() const {
    struct stat s {};
    if (::fstat(descripteur_, &s) != 0) return 0;
    return static_cast<std::uint64_t>(s.st_size);
}

void FichierBinaire::fixerTaille(std::uint64_t taille) {
    if (::ftruncate(descripteur_, static_cast<off_t>(taille)) != 0) ecritureImpossible(errno);
}

}  // namespace lignara
