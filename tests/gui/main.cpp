// Les tests de la fenêtre tournent hors écran, dans un dossier de configuration neuf, avec les
// données livrées de l'arbre de construction ; boîtes, sélecteurs et dialogues y sont simulés.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>
#include <QApplication>

#include "shell/gui/BoiteMessage.h"
#include "shell/gui/SelecteurFichier.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1);
    auto configuration = std::filesystem::temp_directory_path() /
                         ("lignara-tests-gui-" + std::to_string(::getpid()));
    std::filesystem::create_directories(configuration);
    setenv("XDG_CONFIG_HOME", configuration.c_str(), 1);
    QApplication application(argc, argv);
    lignara::gui::BoiteMessage::simuler(true);
    lignara::gui::SelecteurFichier::simuler(true);
    ::testing::InitGoogleTest(&argc, argv);
    int code = RUN_ALL_TESTS();
    std::filesystem::remove_all(configuration);
    return code;
}
