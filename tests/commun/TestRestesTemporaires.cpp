// Ménage du démarrage : seuls les temporaires à nous d'un processus disparu sont effacés.
#include "commun/RestesTemporaires.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <set>

#include "commun/DossierPrive.h"
#include "support/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

// Un numéro de processus qui vient de finir (et qu'on attend : il n'existe plus).
pid_t processusDisparu() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// Le nom porte le numéro du processus et le rôle ; seuls les fichiers d'un processus disparu partent.
TEST(RestesTemporaires, effaceSeulementLesFichiersANousDUnProcessusDisparuAussiALaPreparationDuDossierPrive) {
    EXPECT_EQ(prefixeTemporaire("base"), ".lignara-" + std::to_string(::getpid()) + "-base-");
    essai::DossierEssai d;
    const std::string mort = ".lignara-" + std::to_string(processusDisparu()) + "-ecr-";
    const std::string vivant = ".lignara-1-ecr-abcdef";  // init vit toujours
    const std::string nous = prefixeTemporaire("ecr") + "abcdef";
    for (const std::string& nom : {mort + "abcdef", vivant, nous, std::string("cfg123456"), std::string("Config.dwa")})
        essai::ecrireFichier(d / nom, "x");
    fs::create_symlink(d / "Config.dwa", d / (mort + "lien00"));
    fs::create_directory(d / (mort + "dossie"));
    EXPECT_EQ(effacerRestesTemporaires(d.chemin()), 1u);
    const auto noms = d.noms();
    EXPECT_EQ(std::set(noms.begin(), noms.end()),
              (std::set<std::string>{mort + "dossie", mort + "lien00", vivant, nous, "Config.dwa", "cfg123456"}));
    essai::DossierEssai temporaire;
    const fs::path prive = preparerDossierPrive(temporaire.chemin());
    const std::string reste = ".lignara-" + std::to_string(processusDisparu()) + "-base-abcdef";
    essai::ecrireFichier(prive / reste, "base à moitié écrite");
    EXPECT_EQ(preparerDossierPrive(temporaire.chemin()), prive);
    EXPECT_FALSE(fs::exists(prive / reste));
}

}  // namespace
}  // namespace lignara
