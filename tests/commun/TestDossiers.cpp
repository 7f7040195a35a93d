#include "commun/Dossiers.h"

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "support/Message.h"

using namespace lignara;

namespace fs = std::filesystem;

// Chaque essai tourne dans son propre processus : changer l'environnement n'atteint que lui.
TEST(Dossiers, configurationSousXdgConfigHomeOuPointConfigDonneesSousLignaraDonneesEtEchecSignale) {
    essai::DossierEssai racine;
    ::setenv("XDG_CONFIG_HOME", (racine / "xdg").c_str(), 1);
    EXPECT_EQ(dossierConfiguration(), racine / "xdg" / "lignara");
    EXPECT_TRUE(fs::is_directory(racine / "xdg" / "lignara"));
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", racine.chemin().c_str(), 1);
    EXPECT_EQ(dossierConfigurationAccessible(), racine / ".config" / "lignara");
    ::setenv("LIGNARA_DONNEES", racine.chemin().c_str(), 1);
    EXPECT_EQ(dossierInstallation(), racine.chemin());
    essai::ecrireFichier(racine / "fichier", "pas un dossier");
    ::setenv("XDG_CONFIG_HOME", (racine / "fichier").c_str(), 1);
    EXPECT_EQ(essai::messageDe([] { dossierConfigurationAccessible(); }),
              "Impossibilit\351 d'acc\351der au r\351pertoire de configuration");
}
