// Programme lignara. Avec une commande, il travaille sans fenêtre ; sans commande, il ouvre la
// fenêtre (sur le fichier éventuellement donné) ; « --aide » (ou « --help ») affiche l'aide.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <exception>
#include <new>

#include <CLI/CLI.hpp>

#include "commun/CauseErreur.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "render/PoliceFamille.h"
#include "render/VersionProgramme.h"
#include "shell/cli/Commandes.h"
#include "shell/cli/Francais.h"
#ifdef LIGNARA_AVEC_FENETRE
#include "session/CheminGenealogique.h"
#include "shell/gui/LancementFenetre.h"
#endif

int lignara::cli::codeSortie = 0;

namespace {
// fontconfig garde ses tables jusqu'à ce qu'on les rende : on les rend en sortant, quelle que soit
// la commande, pour que la recherche de fuites reste muette.
struct LiberationPolices {
    ~LiberationPolices() { lignara::PoliceFamille::liberer(); }
};

// La sortie standard peut être un fichier sur un disque plein, ou un tube refermé : une
// commande qui n'a pas pu écrire tout ce qu'elle affiche échoue, avec la cause.
int verifierSortieStandard(int code) {
    errno = 0;
    const bool videe = std::fflush(stdout) == 0;
    int erreur = videe ? 0 : errno;
    const bool enErreur = std::ferror(stdout) != 0;
    if (std::fclose(stdout) != 0 && erreur == 0) erreur = errno;
    if (videe && !enErreur && erreur == 0) return code;
    std::string message = "Ecriture impossible sur la sortie standard";
    if (erreur != 0) message += "\n" + lignara::causeErreurMajuscule(erreur);
    std::fprintf(stderr, "%s\n", lignara::versUtf8(message).c_str());
    return code == 0 ? 1 : code;
}
}  // namespace

int main(int argc, char** argv) {
    using namespace lignara;
#ifdef SIGXFSZ
    // Au-delà de la taille de fichier permise (ulimit -f), l'écriture doit échouer avec sa cause
    // et laisser la cible intacte, pas tuer le programme au milieu d'un temporaire.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    LiberationPolices liberationPolices;
    CLI::App app{"Lignara : documents généalogiques à partir d'un fichier GEDCOM.", "lignara"};
    cli::franciser(app);
    app.set_version_flag("--version", std::string("lignara ") + kVersionProgramme + kSuffixeConstruction,
                         "Affiche la version et quitte");
    app.require_subcommand(0, 1);
    std::string fichierAOuvrir;
    app.add_option("fichier", fichierAOuvrir, "Fichier .ged ou .fged à ouvrir dans la fenêtre");
    std::string capture;
    app.add_option("--capture", capture,
                   "Ouvre la fenêtre et le fichier, enregistre une image PNG de la fenêtre à ce chemin, puis quitte");
    cli::ajouterCommandeCategories(app);
    cli::ajouterCommandeLire(app);
    cli::ajouterCommandePreferences(app);
    cli::ajouterCommandeEssaiPdf(app);
    cli::ajouterCommandeImporter(app);
    cli::ajouterCommandePersonnes(app);
    cli::ajouterCommandeParente(app);
    cli::ajouterCommandeDocument(app);
    cli::ajouterCommandeFavori(app);
    cli::rangerCommandes(app);
    app.footer("Lancez « lignara COMMANDE --aide » pour l'aide d'une commande.");

    int code = 0;
    try {
        app.parse(argc, argv);
        if (app.get_subcommands().empty()) {
#ifdef LIGNARA_AVEC_FENETRE
            return gui::lancerFenetre(argc, argv, cheminDeLaLigneDeCommande(fichierAOuvrir), capture);
#else
            std::printf("%s", app.help().c_str());
            return verifierSortieStandard(0);
#endif
        }
        code = cli::codeSortie;
    } catch (const CLI::ParseError& e) {
        code = cli::sortirEnFrancais(app, e);
    } catch (const DonneesCorrompues&) {
        std::fprintf(stderr, "%s\n", versUtf8("Fichiers de données corrompus"_1252).c_str());
        code = 1;
    } catch (const OperationImpossible& e) {
        if (e.aUnMessage()) std::fprintf(stderr, "%s\n", versUtf8(e.what()).c_str());
        code = 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s\n", versUtf8("Mémoire insuffisante"_1252).c_str());
        code = 1;
    }
    return verifierSortieStandard(code);
}
