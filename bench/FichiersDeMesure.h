#pragma once
// Fichiers GEDCOM des mesures : le plus gros fichier réel des données de test, et le fichier
// d'un million de personnes fabriqué par outil_generer_gedcom.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "commun/DossierPrive.h"
#include "commun/Dossiers.h"

namespace lignara::mesure {

// Chemin vide quand le dossier des données de test est absent.
inline std::filesystem::path plusGrosFichierReel() {
    namespace fs = std::filesystem;
    fs::path meilleur;
    std::uintmax_t taille = 0;
    std::error_code ec;
    if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA, ec)) return meilleur;
    for (const auto& e : fs::recursive_directory_iterator(LIGNARA_DOSSIER_TESTDATA, ec)) {
        std::string ext = e.path().extension().string();
        if (!e.is_regular_file() || (ext != ".ged" && ext != ".GED")) continue;
        if (e.file_size() > taille) {
            taille = e.file_size();
            meilleur = e.path();
        }
    }
    return meilleur;
}

// Fichier de `personnes` personnes (LIGNARA_GEDCOM_GRAND s'il est donné), fabriqué dans le
// dossier privé et effacé à la fin ; chemin vide quand l'outil manque ou échoue.
class FichierGenere {
public:
    FichierGenere(const std::string& nom, long personnes) {
        namespace fs = std::filesystem;
        if (const char* donne = std::getenv("LIGNARA_GEDCOM_GRAND"); donne && *donne) {
            chemin_ = donne;
            return;
        }
        const fs::path outil = cheminProgramme().parent_path().parent_path() / "tools" / "outil_generer_gedcom";
        const fs::path sortie = dossierPrive() / nom;
        std::string programme = outil.string(), fichier = sortie.string(), nombre = std::to_string(personnes);
        char* argv[] = {programme.data(), fichier.data(), nombre.data(), nullptr};
        // Sans shell ; la sortie de l'outil ne se mêle pas aux mesures.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        int statut = 0;
        std::error_code ec;
        const bool lance =
            fs::exists(outil, ec) && ::posix_spawn(&pid, programme.c_str(), &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        if (lance && ::waitpid(pid, &statut, 0) == pid && WIFEXITED(statut) && WEXITSTATUS(statut) == 0) {
            chemin_ = sortie;
            efface_ = true;
        }
    }
    ~FichierGenere() {
        std::error_code ec;
        if (efface_) std::filesystem::remove(chemin_, ec);
    }
    FichierGenere(const FichierGenere&) = delete;
    FichierGenere& operator=(const FichierGenere&) = delete;
    const std::filesystem::path& chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
    bool efface_ = false;
};

}  // namespace lignara::mesure
