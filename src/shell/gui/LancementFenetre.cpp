#include "shell/gui/LancementFenetre.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QSocketNotifier>
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
#include "shell/gui/Traductions.h"

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
                ecrireFichier(std::filesystem::path(capture),
                              std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
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

// SIGTERM, SIGINT et SIGHUP (arrêt de la session, Ctrl+C dans le terminal) ferment la fenêtre
// comme « Quitter », pour que la sortie efface les documents et range les compteurs. Le
// gestionnaire ne fait qu'écrire un octet ; la fenêtre le lit dans sa boucle. Un dialogue
// modal ouvert attend l'utilisateur dans sa propre boucle : la sortie se fait alors tout de
// suite, puis le programme s'arrête.
int tubeSignaux[2] = {-1, -1};

void signalRecu(int) {
    const char octet = 1;
    [[maybe_unused]] ssize_t n = ::write(tubeSignaux[1], &octet, 1);
}

void arreterSurSignal(FenetrePrincipale& fenetre) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tubeSignaux) != 0) return;
    auto* lecteur = new QSocketNotifier(tubeSignaux[0], QSocketNotifier::Read, &fenetre);
    QObject::connect(lecteur, &QSocketNotifier::activated, &fenetre, [&fenetre] {
        char octet;
        [[maybe_unused]] ssize_t n = ::read(tubeSignaux[0], &octet, 1);
        if (!QApplication::activeModalWidget()) {
            fenetre.close();
            return;
        }
        fenetre.quitter();
        std::_Exit(1);
    });
    struct sigaction action {};
    action.sa_handler = signalRecu;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

}  // namespace

int lancerFenetre(int& argc, char** argv, const std::string& chemin, const std::string& capture) {
    if (!affichageDisponible()) {
        std::fprintf(stderr,
                     "Pas d'affichage : la fenêtre ne peut pas s'ouvrir.\n"
                     "« lignara --aide » donne les commandes qui travaillent sans fenêtre.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lignara");
    installerTraductionsQt(application);
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
    QApplication::setWindowIcon(fenetre.windowIcon());
    arreterSurSignal(fenetre);
    fenetre.show();
    fenetre.demarrer();
    if (!capture.empty()) capturerPuisQuitter(fenetre, capture);
    return application.exec();
}

}  // namespace lignara::gui
