// Hors écran, données livrées de la construction, traduction française de Qt ; des dossiers de
// configuration et temporaire propres au processus (son dossier de sortie n'est qu'à lui).
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
    for (const char* nom : {"XDG_CONFIG_HOME", "TMPDIR"}) {
        std::filesystem::create_directories(racine / nom);
        setenv(nom, (racine / nom).c_str(), 1);
    }
    QApplication application(argc, argv);
    lignara::gui::installerTraductionsQt(application);
    lignara::gui::BoiteMessage::simuler(true);
    lignara::gui::SelecteurFichier::simuler(true);
    ::testing::InitGoogleTest(&argc, argv);
    int code = RUN_ALL_TESTS();
    std::filesystem::remove_all(racine);
    return code;
}
