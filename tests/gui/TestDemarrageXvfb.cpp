// Le vrai programme, démarré sur un serveur X virtuel avec un chemin en argument : il ouvre le
// fichier, montre sa barre d'outils et s'enregistre en image. Demande xvfb-run (paquet xvfb).
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "support/Programme.h"

namespace {

namespace fs = std::filesystem;

TEST(DemarrageXvfb, ouvreLeFichierDonneEtMontreLaBarreDOutils) {
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run absent (paquet xvfb)";
    const fs::path dossier = fs::temp_directory_path() / ("lignara-xvfb-" + std::to_string(::getpid()));
    fs::create_directories(dossier / "config");
    const fs::path image = dossier / "fenetre.png";
    // Des préférences neuves : celles de l'utilisateur ne doivent pas changer le résultat.
    const std::string arguments = "--capture '" + image.string() + "' '" + std::string(LIGNARA_DOSSIER_SOURCES) +
                                  "/data/exemples/famille-exemple.ged" + "'";
    const std::string commande = "env XDG_CONFIG_HOME='" + (dossier / "config").string() +
                                 "' QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1024x768x24' \"" + LIGNARA_PROGRAMME +
                                 "\" " + arguments;
    const lignara::essai::SortieProgramme s = lignara::essai::executerCommande(commande);
    const std::string& sortie = s.texte;
    const int code = s.code;
    EXPECT_EQ(code, 0) << sortie;
    EXPECT_NE(sortie.find("Fichier ouvert : famille-exemple.ged"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("Barre d'outils : 8 boutons actifs"), std::string::npos) << sortie;
    QImage capture(QString::fromStdString(image.string()));
    EXPECT_GE(capture.width(), 650);
    EXPECT_GE(capture.height(), 510);
    std::error_code ec;
    fs::remove_all(dossier, ec);
}

}  // namespace
