// Entrées ouvertes sans attendre (tube, périphérique, dossier refusés) ; lecture bornée.
#include "commun/FichierEntree.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "commun/CauseErreur.h"
#include "support/DossierEssai.h"

using namespace lignara;

namespace fs = std::filesystem;

TEST(FichierEntree, refuseSansAttendreTubePeripheriqueEtDossierEtNeLitRienAuDelaDeLaTailleDOuverture) {
    essai::DossierEssai d;
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    // Sans écrivain, ouvrir le tube en lecture bloquerait pour toujours.
    for (const fs::path& p : {d / "tube", fs::path("/dev/zero")}) {
        FichierEntree f;
        EXPECT_FALSE(f.ouvrir(p)) << p;
        EXPECT_EQ(f.cause(), "ce n'est pas un fichier ordinaire");
    }
    FichierEntree f;
    EXPECT_FALSE(f.ouvrir(d.chemin()));
    EXPECT_EQ(f.erreur(), EISDIR);
    essai::ecrireFichier(d / "journal", "12345");
    ASSERT_TRUE(f.ouvrir(d / "journal"));
    std::ofstream(d / "journal", std::ios::app) << "678";  // le fichier grandit après l'ouverture
    EXPECT_EQ(f.taille(), 5u);
    EXPECT_EQ(f.lireTout(100), "12345");
    char octet = 0;
    EXPECT_EQ(f.lire(&octet, 1, 5), 0);
    // Un fichier trop gros pour sa limite n'est pas lu.
    essai::ecrireFichier(d / "gros", std::string(1000, 'x'));
    int erreur = 0;
    EXPECT_FALSE(lireFichierEntier(d / "gros", 999, &erreur).has_value());
    EXPECT_EQ(erreur, kErreurTropVolumineux);
    EXPECT_EQ(lireFichierEntier(d / "gros", 1000, &erreur)->size(), 1000u);
}
