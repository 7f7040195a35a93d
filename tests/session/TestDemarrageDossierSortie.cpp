// Dossier de sortie privé, sous un dossier temporaire jetable qui tient lieu de celui du système.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "session/DemarrageDossierSortie.h"
#include "support/DossierEssai.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::DossierEssai;
namespace fs = std::filesystem;

std::string nomAttendu() { return "lignara-" + std::to_string(::geteuid()); }

void verifierPrive(const fs::path& dossier) {
    struct stat s {};
    ASSERT_EQ(::lstat(dossier.c_str(), &s), 0) << dossier;
    EXPECT_EQ(s.st_mode & (S_IFMT | 07777), S_IFDIR | 0700u);
}

TEST(DossierSortie, creeUnDossierPriveEtLeRetrouveAuDemarrageSuivant) {
    DossierEssai temporaire;
    mode_t ancien = ::umask(0);  // un masque laxiste ne doit pas ouvrir le dossier
    fs::path dossier = preparerDossierSortie(temporaire.chemin());
    ::umask(ancien);
    EXPECT_EQ(dossier, temporaire / nomAttendu());
    verifierPrive(dossier);
    EXPECT_EQ(preparerDossierSortie(temporaire.chemin()), dossier);
}

// Au nom attendu, un dossier ouvert aux autres, un lien ou un fichier : un autre dossier est créé.
TEST(DossierSortie, laisseUnDossierOuvertUnLienPiegeOuUnFichierEtEnCreeUnAutre) {
    DossierEssai temporaire;
    fs::path piege = temporaire / nomAttendu();
    ASSERT_EQ(::mkdir(piege.c_str(), 0777), 0);
    ::chmod(piege.c_str(), 0777);
    fs::path dossier = preparerDossierSortie(temporaire.chemin());
    EXPECT_NE(dossier, piege);
    verifierPrive(dossier);
    EXPECT_EQ(fs::status(piege).permissions(), fs::perms::all) << "le dossier d'un autre ne doit pas être retouché";

    DossierEssai lien;
    fs::create_directory(lien / "cible");
    ::chmod((lien / "cible").c_str(), 0700);  // même privée, la cible d'un lien est refusée
    fs::create_directory_symlink(lien / "cible", lien / nomAttendu());
    dossier = preparerDossierSortie(lien.chemin());
    EXPECT_NE(fs::canonical(dossier), fs::canonical(lien / "cible"));
    verifierPrive(dossier);

    DossierEssai autre;
    autre.ecrire(nomAttendu(), "x");
    verifierPrive(preparerDossierSortie(autre.chemin()));
}

TEST(DossierSortie, unDossierTemporaireInutilisableDonneLeMessage) {
    DossierEssai temporaire;
    const std::string message = essai::messageDe([&] { preparerDossierSortie(temporaire / "absent" / "plus-loin"); });
    EXPECT_EQ(message.rfind("Acc\xE8s impossible au r\xE9pertoire temporaire\n", 0), 0u) << message;
}

}  // namespace
}  // namespace lignara
