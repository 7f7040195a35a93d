#include "shell/gui/LancementFenetre.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "commun/Dossiers.h"
#include "commun/EcritureFichier.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/Configuration.h"
#include "reglages/FichierReglages.h"
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

// Après l'ouverture du fichier : l'import laisse passer les événements (barre de progression),
// on attend donc la fin du démarrage plutôt que son tour dans la file.
void capturerPuisQuitter(FenetrePrincipale& fenetre, const std::string& capture) {
    if (!fenetre.demarree()) {
        QTimer::singleShot(50, &fenetre, [&fenetre, capture] { capturerPuisQuitter(fenetre, capture); });
        return;
    }
    QTimer::singleShot(0, &fenetre, [&fenetre, capture] {
        const bool ouvert = fenetre.fichier().estOuvert();
        int actifs = 0;
        for (QToolButton* b : fenetre.barreOutils()->findChildren<QToolButton*>())
            if (b->objectName().startsWith("bouton") && b->isVisible() && b->isEnabled()) ++actifs;
        // L'image passe, comme tout fichier écrit, par le rédacteur unique (jamais par un lien).
        QByteArray png;
        QBuffer tampon(&png);
        tampon.open(QIODevice::WriteOnly);
        bool ecrite = fenetre.grab().save(&tampon, "PNG");
        if (ecrite) {
            try {
                ecrireFichier(std::filesystem::path(capture), std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
            } catch (const OperationImpossible& e) {
                std::fprintf(stderr, "%s\n", versUtf8(e.what()).c_str());
                ecrite = false;
            }
        }
        std::printf("Fichier ouvert : %s\n", ouvert ? fenetre.fichier().chemin().filename().string().c_str() : "aucun");
        std::printf("Barre d'outils : %d boutons actifs\n", actifs);
        std::printf("Image : %s\n", ecrite ? capture.c_str() : "non écrite");
        std::fflush(stdout);
        QApplication::exit(ouvert && ecrite ? 0 : 1);
    });
}

}  // namespace

int lancerFenetre(int& argc, char** argv, const std::string& chemin, const std::string& capture) {
    if (!affichageDisponible()) {
        std::fprintf(stderr, "Pas d'affichage : la fenêtre ne peut pas s'ouvrir.\n"
                             "« lignara --aide » donne les commandes qui travaillent sans fenêtre.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lignara");
    Configuration configuration;
    try {
        EtatChargement etat = EtatChargement::absent;
        const std::filesystem::path dossier = dossierConfigurationAccessible();
        configuration = chargerConfiguration(dossier, &etat);
        if (etat == EtatChargement::abime || etat == EtatChargement::illisible)
            BoiteMessage::informer1252(nullptr, messageReglagesAbimes(dossier / "Config.dwa").c_str());
    } catch (const OperationImpossible& e) {
        BoiteMessage::informer1252(nullptr, e.what());
        return 1;
    }
    FenetrePrincipale fenetre(std::move(configuration), chemin);
    fenetre.show();
    fenetre.demarrer();
    if (!capture.empty()) capturerPuisQuitter(fenetre, capture);
    return application.exec();
}

}  // namespace lignara::gui
