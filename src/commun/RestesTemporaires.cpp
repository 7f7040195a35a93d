#include "commun/RestesTemporaires.h"

#include <cerrno>
#include <charconv>
#include <system_error>

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <process.h>
#endif

namespace lignara {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDebut = ".lignara-";

long numeroProcessus() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(::getpid());
#endif
}

// Numéro du processus d'un nom de reste, ou 0 quand le nom n'en est pas un.
long processusDuNom(std::string_view nom) {
    if (nom.substr(0, kDebut.size()) != kDebut) return 0;
    nom.remove_prefix(kDebut.size());
    long pid = 0;
    auto [fin, erreur] = std::from_chars(nom.data(), nom.data() + nom.size(), pid);
    if (erreur != std::errc() || pid <= 0 || fin == nom.data() + nom.size() || *fin != '-') return 0;
    return pid;
}

#ifndef _WIN32
bool processusDisparu(long pid) { return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

bool estResteAEffacer(const fs::path& chemin) {
    const long pid = processusDuNom(chemin.filename().string());
    if (pid == 0 || pid == numeroProcessus()) return false;
    struct stat s {};
    if (::lstat(chemin.c_str(), &s) != 0 || !S_ISREG(s.st_mode) || s.st_uid != ::geteuid()) return false;
    return processusDisparu(pid);
}
#else
bool estResteAEffacer(const fs::path&) { return false; }
#endif

}  // namespace

std::string prefixeTemporaire(std::string_view role) {
    return std::string(kDebut) + std::to_string(numeroProcessus()) + "-" + std::string(role) + "-";
}

std::size_t effacerRestesTemporaires(const fs::path& dossier) noexcept {
    std::size_t effaces = 0;
    try {
        std::error_code ec;
        for (fs::directory_iterator it(dossier, ec), fin; !ec && it != fin; it.increment(ec)) {
            if (!estResteAEffacer(it->path())) continue;
            std::error_code ecEffacement;
            if (fs::remove(it->path(), ecEffacement)) ++effaces;
        }
    } catch (...) {
        // Un ménage manqué n'empêche pas de démarrer.
    }
    return effaces;
}

}  // namespace lignara
