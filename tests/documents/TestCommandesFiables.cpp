// Taille bornée, liens, périphériques, arrêt brutal : jamais de réussite annoncée à tort, d'écriture
// à travers un lien, ni de fichier à moitié écrit sous le nom de l'utilisateur.
#include <sys/wait.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/DossierEssai.h"
#include "support/Programme.h"
#include "database/VerificateurBase.h"
#include "reglages/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::DossierEssai;
using essai::SortieProgramme;

const std::string kExemple = std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged";

std::string cite(const fs::path& p) { return "'" + p.string() + "'"; }

// Le programme lancé par le shell avec un dossier de configuration jetable ; avant, une commande
// du shell (ulimit…) ; sortie standard et d'erreur ensemble, sauf redirection donnée.
class Commandes : public ::testing::Test {
protected:
    SortieProgramme lancer(const std::string& arguments, const std::string& avant = "",
                           const std::string& redirection = "2>&1") {
        return essai::executerCommande(avant + (avant.empty() ? "" : "; ") +
                                       "XDG_CONFIG_HOME=" + cite(dossier / "config") + " timeout 120 \"" +
                                       LIGNARA_PROGRAMME + "\" " + arguments + " " + redirection);
    }
    SortieProgramme document(const fs::path& sortie, const std::string& avant = "") {
        return lancer("document arbre-ascendant " + cite(kExemple) + " --racine @I1@ --sortie " + cite(sortie), avant);
    }

    DossierEssai dossier;
};

TEST_F(Commandes, unLienSymboliqueALaPlaceDUneSortieEstRefuseEtSaCibleIntacte) {
    std::ofstream(dossier / "leurre") << "à garder";
    for (const char* nom : {"arbre.pdf", "base.dwa"}) fs::create_symlink(dossier / "leurre", dossier / nom);
    const SortieProgramme sorties[] = {document(dossier / "arbre.pdf"),
                                       lancer("importer " + cite(kExemple) + " --base " + cite(dossier / "base.dwa"))};
    for (const SortieProgramme& s : sorties) {
        EXPECT_NE(s.code, 0) << s.texte;
        EXPECT_NE(s.texte.find("Lien symbolique refusé"), std::string::npos) << s.texte;
    }
    EXPECT_EQ(lignara::essai::lireFichier(dossier / "leurre"), "à garder");
    EXPECT_TRUE(fs::is_symlink(dossier / "base.dwa"));
}

TEST_F(Commandes, unDocumentQuiNeTientPasDansLaTailleBorneeEchoueSansRienLaisser) {
    std::ofstream(dossier / "ancien.pdf") << "version précédente";
    const SortieProgramme sorties[] = {document(dossier / "arbre.pdf", "ulimit -f 4"),
                                       document(dossier / "ancien.pdf", "ulimit -f 4"),
                                       lancer("essai-pdf " + cite(dossier / "essai.pdf"), "ulimit -f 4")};
    for (const SortieProgramme& s : sorties) {
        EXPECT_NE(s.code, 0) << s.texte;
        EXPECT_NE(s.texte.find("Fichier trop volumineux pour le système"), std::string::npos) << s.texte;
    }
    EXPECT_EQ(lignara::essai::lireFichier(dossier / "ancien.pdf"), "version précédente");
    // Ni arbre.pdf, ni essai.pdf, ni temporaire : l'ancien fichier et la configuration jetable.
    std::vector<std::string> noms = dossier.noms();
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(noms, (std::vector<std::string>{"ancien.pdf", "config"}));
}

// Un gros fichier à importer, pour avoir le temps d'arrêter la commande en cours de route.
void ecrireGrosGedcom(const fs::path& chemin) {
    std::ofstream f(chemin);
    f << "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i < 60000; ++i)
        f << "0 @I" << i << "@ INDI\n1 NAME Jean" << i << " /Durand/\n1 BIRT\n2 DATE " << 1800 + i % 200
          << "\n2 PLAC Nantes\n1 NOTE une note assez longue pour grossir le fichier " << i << "\n";
    f << "0 TRLR\n";
}

TEST_F(Commandes, unArretBrutalPendantImporterLaisseLaCopiePrecedenteEntiere) {
    ecrireGrosGedcom(dossier / "gros.ged");
    const fs::path base = dossier / "base.dwa";
    std::ofstream(base) << "ancienne copie";
    for (int delaiMs : {50, 200, 400, 700, 1000, 1500}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("XDG_CONFIG_HOME", (dossier / "config").c_str(), 1);
            const int nul = ::open("/dev/null", O_WRONLY);
            ::dup2(nul, 1);
            ::dup2(nul, 2);
            ::execl(LIGNARA_PROGRAMME, "lignara", "importer", (dossier / "gros.ged").c_str(), "--base", base.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delaiMs));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        // L'ancienne copie entière, ou la nouvelle entière : jamais une base tronquée.
        if (lignara::essai::lireFichier(base) != "ancienne copie") {
            const std::vector<std::string> fautes = VerificateurBase::verifier(base);
            EXPECT_TRUE(fautes.empty()) << delaiMs << " ms : " << (fautes.empty() ? "" : fautes.front());
            std::ofstream(base) << "ancienne copie";
        }
    }
}

}  // namespace
}  // namespace lignara
