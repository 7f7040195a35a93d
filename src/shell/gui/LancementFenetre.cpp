#include "shell/gui/LancementFenetre.h"

#include <QApplication>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "shell/Configuration.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/FenetrePrincipale.h"

namespace lignara::gui {

int lancerFenetre(int& argc, char** argv, const std::string& chemin) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lignara");
    Configuration configuration;
    try {
        configuration = chargerConfiguration(dossierConfigurationAccessible());
    } catch (const OperationImpossible& e) {
        BoiteMessage::informer1252(nullptr, e.what());
        return 1;
    }
    FenetrePrincipale fenetre(std::move(configuration), chemin);
    fenetre.show();
    fenetre.demarrer();
    return application.exec();
}

}  // namespace lignara::gui
