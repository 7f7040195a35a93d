#include "shell/gui/LancementFenetre.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "shell/Configuration.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/FenetrePrincipale.h"

namespace lignara::gui {

namespace {

// Sans affichage, Qt s'arrêterait net : on le dit plutôt, et on renvoie vers les commandes.
bool affichageDisponible() {
#if defined(__unix__) && !defined(__APPLE__)
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* v = std::getenv(variable); v && *v) return true;
    return false;
#else
    return true;
#endif
}

}  // namespace

int lancerFenetre(int& argc, char** argv, const std::string& chemin) {
    if (!affichageDisponible()) {
        std::fprintf(stderr, "Pas d'affichage : la fenêtre ne peut pas s'ouvrir.\n"
                             "« lignara --aide » donne les commandes qui travaillent sans fenêtre.\n");
        return 1;
    }
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
