// Les tests de la fenêtre tournent hors écran, dans un dossier de configuration neuf, avec les
// données livrées de l'arbre de construction, avec la traduction française de Qt comme le
// programme ; boîtes, sélecteurs et dialogues y sont simulés.
// Chaque processus a aussi son dossier temporaire : son dossier de sortie n'est pas celui des
// programmes que les autres essais lancent en même temps, qui y écrivent leur base de travail
// et en effacent les documents en quittant.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>
#include <QApplication>

#include "shell/gui/BoiteMessage.h"
#include "shell/gui/SelecteurFichier.h"
#include "shell/gui/Traductions.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1);
    const auto racine = std::filesystem::temp_directory_path() / ("lignara-tests-gui-" + std::to_string(::getpid()));
    const auto configuration = racine / "configuration", temporaire = racine / "temporaire";
    std::filesystem::create_directories(configuration);
    std::filesystem::create_directories(temporaire);
    setenv("XDG_CONFIG_HOME", configuration.c_str(), 1);
    setenv("TMPDIR", temporaire.c_str(), 1);
    QApplication application(argc, argv);
    lignara::gui::installerTraductionsQt(application);
    lignara::gui::BoiteMessage::simuler(true);
    lignara::gui::SelecteurFichier::simuler(true);
    ::testing::InitGoogleTest(&argc, argv);
    int code = RUN_ALL_TESTS();
    std::filesystem::remove_all(racine);
    return code;
}
