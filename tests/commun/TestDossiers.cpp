#include "commun/Dossiers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "commun/OperationImpossible.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

// Chaque essai tourne dans son propre processus : changer l'environnement n'atteint que lui.
class Dossiers : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "lignara-dossiers-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        racine_ = modele;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(racine_, ec);
    }
    fs::path racine_;
};

TEST_F(Dossiers, laConfigurationVaSousXdgConfigHomeEtYEstCreee) {
    ::setenv("XDG_CONFIG_HOME", (racine_ / "xdg").c_str(), 1);
    EXPECT_EQ(dossierConfiguration(), racine_ / "xdg" / "lignara");
    EXPECT_TRUE(fs::is_directory(racine_ / "xdg" / "lignara"));
}

TEST_F(Dossiers, sansXdgLaConfigurationVaSousPointConfigDuDossierPersonnel) {
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", racine_.c_str(), 1);
    EXPECT_EQ(dossierConfigurationAccessible(), racine_ / ".config" / "lignara");
}

TEST_F(Dossiers, unDossierDeConfigurationImpossibleACreerEstSignale) {
    std::ofstream(racine_ / "fichier") << "pas un dossier";
    ::setenv("XDG_CONFIG_HOME", (racine_ / "fichier").c_str(), 1);
    try {
        dossierConfigurationAccessible();
        FAIL() << "pas d'exception";
    } catch (const OperationImpossible& e) {
        EXPECT_STREQ(e.what(),
                     "Impossibilit\xE9 d'acc\xE9"
                     "der au r\xE9pertoire de configuration");
    }
}

TEST_F(Dossiers, lesDonneesLivreesSuiventLignaraDonnees) {
    ::setenv("LIGNARA_DONNEES", racine_.c_str(), 1);
    EXPECT_EQ(dossierInstallation(), racine_);
}

}  // namespace
}  // namespace lignara
