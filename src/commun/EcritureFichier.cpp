#include "commun/EcritureFichier.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "commun/CauseErreur.h"
#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/RestesTemporaires.h"
#include "commun/Texte.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

std::string texte1252(const fs::path& chemin) {
    const std::u8string utf8 = chemin.u8string();
    return depuisUtf8(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

#ifndef _WIN32
// Masque de création de l'utilisateur, lu sans le changer (umask() le modifierait le temps
// d'un appel, au détriment d'un autre fil qui crée un fichier au même moment).
unsigned masqueUtilisateur() {
    static const unsigned masque = [] {
        unsigned m = 022;
        if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
            char ligne[256];
            while (std::fgets(ligne, sizeof ligne, f))
                if (std::strncmp(ligne, "Umask:", 6) == 0)
                    m = static_cast<unsigned>(std::strtoul(ligne + 6, nullptr, 8));
            std::fclose(f);
        }
        return m & 0777;
    }();
    return masque;
}

// Le renommage n'est durable qu'une fois le dossier forcé sur disque ; sans effet ailleurs.
void forcerDossier(const fs::path& dossier) {
    const int d = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0) return;
    ::fsync(d);
    ::close(d);
}
#endif

}  // namespace

EcritureFichier::~EcritureFichier() = default;

bool EcritureFichier::echouer(int erreur) {
    if (erreur_ == 0) erreur_ = erreur != 0 ? erreur : EIO;
    return false;
}

#ifndef _WIN32
bool EcritureFichier::verifierCible(Liens liens, unsigned& mode, bool& existe) {
    struct stat s {};
    existe = false;
    remplace_ = cible_;
    if (::lstat(cible_.c_str(), &s) != 0) return errno == ENOENT || echouer(errno);
    if (S_ISLNK(s.st_mode)) {
        if (liens == Liens::refuses) return echouer(ELOOP);
        char* vise = ::realpath(cible_.c_str(), nullptr);
        if (!vise) return echouer(errno == ENOENT ? kErreurLienSansFichier : errno);
        remplace_ = vise;
        std::free(vise);
        if (::lstat(remplace_.c_str(), &s) != 0) return echouer(errno);
        if (!S_ISREG(s.st_mode)) return echouer(kErreurPasFichierOrdinaire);
        if (s.st_uid != ::geteuid()) return echouer(kErreurFichierDAutrui);
    } else if (!S_ISREG(s.st_mode)) {
        return echouer(S_ISDIR(s.st_mode) ? EISDIR : kErreurPasFichierOrdinaire);
    }
    existe = true;
    mode = s.st_mode & 0777;
    return true;
}
#else
bool EcritureFichier::verifierCible(Liens, unsigned& mode, bool& existe) {
    std::error_code ec;
    remplace_ = cible_;
    const auto etat = fs::symlink_status(cible_, ec);
    existe = fs::exists(etat);
    mode = 0666;
    if (!existe) return true;
    if (fs::is_symlink(etat)) return echouer(ELOOP);
    if (!fs::is_regular_file(etat)) return echouer(kErreurPasFichierOrdinaire);
    return true;
}
#endif

bool EcritureFichier::ouvrir(const fs::path& cible, Liens liens, Droits droits) {
    abandonner();
    cible_ = cible;
    erreur_ = 0;
    if (cible.empty() || !cible.has_filename()) return echouer(cible.empty() ? EINVAL : EISDIR);
    unsigned mode = 0600;
    bool existe = false;
    if (!verifierCible(liens, mode, existe)) return false;
    if (!temporaire_.creer(remplace_.parent_path(), prefixeTemporaire("ecr")))
        return echouer(errno == ENOENT ? kErreurDossierAbsent : errno);
#ifndef _WIN32
    if (!existe) mode = droits == Droits::prives ? 0600 : 0666 & ~masqueUtilisateur();
    if (mode != 0600 && ::fchmod(temporaire_.descripteur(), mode) != 0) return echouer(errno);
#else
    (void)droits;
#endif
    return true;
}

bool EcritureFichier::ecrire(const void* octets, std::size_t taille) {
    if (erreur_ != 0) return false;
    if (!ouvert()) return echouer(EBADF);
    const auto* p = static_cast<const char*>(octets);
    while (taille > 0) {
#ifdef _WIN32
        const int n =
            _write(temporaire_.descripteur(), p, static_cast<unsigned>(std::min<std::size_t>(taille, 1u << 30)));
#else
        const ssize_t n = ::write(temporaire_.descripteur(), p, taille);
#endif
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return echouer(n < 0 ? errno : ENOSPC);
        p += n;
        taille -= static_cast<std::size_t>(n);
    }
    return true;
}

bool EcritureFichier::positionner(std::uint64_t decalage) {
    if (erreur_ != 0) return false;
    if (!ouvert()) return echouer(EBADF);
#ifdef _WIN32
    if (_lseeki64(temporaire_.descripteur(), static_cast<long long>(decalage), SEEK_SET) < 0) return echouer(errno);
#else
    if (::lseek(temporaire_.descripteur(), static_cast<off_t>(decalage), SEEK_SET) < 0) return echouer(errno);
#endif
    return true;
}

bool EcritureFichier::terminer() {
    if (!ouvert()) return echouer(EBADF);
    bool reussi = erreur_ == 0;
#ifndef _WIN32
    // fsync rend aussi les erreurs d'écriture différées (disque réseau, quota).
    if (reussi && ::fsync(temporaire_.descripteur()) != 0 && errno != EINVAL) reussi = echouer(errno);
#endif
    if (!temporaire_.fermer() && reussi) reussi = echouer(errno);
    if (reussi && !temporaire_.renommer(remplace_)) reussi = echouer(errno);
    if (!reussi) {
        abandonner();
        return false;
    }
#ifndef _WIN32
    forcerDossier(remplace_.parent_path());
#endif
    return true;
}

void EcritureFichier::abandonner() { temporaire_ = FichierTemporaire(); }

std::string EcritureFichier::cause() const { return causeErreur(erreur_); }

std::string EcritureFichier::message() const { return messageEcritureImpossible(cible_, erreur_); }

std::string messageEcritureImpossible(const fs::path& chemin, int erreur) {
    return "Ecriture impossible dans le fichier\n" + texte1252(chemin) + "\n" + causeErreurMajuscule(erreur);
}

void ecrireFichier(const fs::path& cible, std::string_view octets, EcritureFichier::Liens liens,
                   EcritureFichier::Droits droits) {
    EcritureFichier f;
    if (!f.ouvrir(cible, liens, droits) || !f.ecrire(octets) || !f.terminer()) throw OperationImpossible(f.message());
}

void copierVersFichier(const fs::path& source, const fs::path& cible, EcritureFichier::Droits droits) {
    FichierEntree entree;
    if (!entree.ouvrir(source))
        throw OperationImpossible("Lecture impossible du fichier\n"_1252 + texte1252(source) + "\n" +
                                  causeErreurMajuscule(entree.erreur()));
    EcritureFichier f;
    if (!f.ouvrir(cible, EcritureFichier::Liens::refuses, droits)) throw OperationImpossible(f.message());
    std::vector<char> tampon(1 << 20);
    for (std::uint64_t position = 0;;) {
        const long long lus = entree.lire(tampon.data(), tampon.size(), position);
        if (lus < 0)
            throw OperationImpossible("Lecture impossible du fichier\n"_1252 + texte1252(source) + "\n" +
                                      causeErreurMajuscule(entree.erreur()));
        if (lus == 0) break;
        if (!f.ecrire(tampon.data(), static_cast<std::size_t>(lus))) break;
        position += static_cast<std::uint64_t>(lus);
    }
    if (!f.terminer()) throw OperationImpossible(f.message());
}

}  // namespace lignara
