#pragma once
// Essais qui ont besoin d'un processus à part : un disque plein (petit tmpfs monté dans un
// espace de montage propre à l'enfant, ce qui demande des privilèges), une taille de fichier
// bornée (ulimit -f) ou un arrêt brutal. Rien n'est monté ni borné dans le processus des essais.
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <sched.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

namespace lignara::essai {

// Code de sortie d'un enfant qui n'a pas pu se mettre en place (privilèges manquants).
inline constexpr int kImpossible = 77;

// Lance faire() dans un processus enfant et rend son code de sortie, ou −signal s'il est tué.
inline int dansUnEnfant(const std::function<int()>& faire) {
    const pid_t pid = ::fork();
    if (pid < 0) return kImpossible;
    if (pid == 0) ::_exit(faire());
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -WTERMSIG(statut);
}

// Dans l'enfant : monte un tmpfs de octets sur dossier, visible de lui seul. Faux sans privilèges.
inline bool monterPetitTmpfs(const std::filesystem::path& dossier, std::size_t octets) {
    if (::unshare(CLONE_NEWNS) != 0) return false;
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    const std::string options = "size=" + std::to_string(octets) + ",mode=0700";
    return ::mount("lignara-essai", dossier.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

// Dans l'enfant : les fichiers ne peuvent dépasser octets ; l'écriture qui les dépasserait
// échoue (EFBIG) au lieu de tuer le processus.
inline void bornerTailleFichiers(std::size_t octets) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limite {
        static_cast<rlim_t>(octets), static_cast<rlim_t>(octets)
    };
    ::setrlimit(RLIMIT_FSIZE, &limite);
}

}  // namespace lignara::essai
