// Le vrai programme, démarré sur un serveur X virtuel avec un chemin en argument : il ouvre le
// fichier, montre sa barre d'outils et s'enregistre en image. Demande xvfb-run (paquet xvfb).
#include <gtest/gtest.h>
#include <QImage>

#include "gui/EssaiFenetre.h"
#include "support/Programme.h"

TEST(DemarrageXvfb, ouvreLeFichierDonneEtMontreLaBarreDOutils) {
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run absent (paquet xvfb)";
    essai::DossierTemporaire dossier("xvfb");
    const auto image = dossier.chemin / "fenetre.png";
    // Des préférences neuves : celles de l'utilisateur ne doivent pas changer le résultat.
    const auto s = lignara::essai::executerCommande("env XDG_CONFIG_HOME='" + dossier.chemin.string() +
                                                    "' QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 " +
                                                    "1024x768x24' \"" + LIGNARA_PROGRAMME + "\" --capture '" +
                                                    image.string() + "' '" + essai::exempleLivre() + "'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(s.texte.find("Barre d'outils : 8 boutons actifs"), std::string::npos) << s.texte;
    EXPECT_GE(QImage(QString::fromStdString(image.string())).width(), 650);
}
