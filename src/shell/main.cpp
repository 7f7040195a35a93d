// Programme lignara. Avec une commande, il travaille sans fenêtre ; sans commande, il ouvre la
// fenêtre (sur le fichier éventuellement donné) ; « --aide » affiche l'aide.
#include <cstdio>
#include <exception>
#include <new>

#include <CLI/CLI.hpp>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "render/PoliceFamille.h"
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
}  // namespace

int main(int argc, char** argv) {
    using namespace lignara;
    LiberationPolices liberationPolices;
    CLI::App app{"Lignara : documents généalogiques à partir d'un fichier GEDCOM.", "lignara"};
    cli::franciser(app);
    app.set_help_flag("-h,--aide", "Affiche cette aide et quitte");
    app.set_version_flag("--version", std::string("lignara ") + LIGNARA_VERSION,
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
    app.footer("Lancez « lignara COMMANDE --aide » pour l'aide d'une commande.");

    try {
        app.parse(argc, argv);
        if (app.get_subcommands().empty()) {
#ifdef LIGNARA_AVEC_FENETRE
            return gui::lancerFenetre(argc, argv, cheminDeLaLigneDeCommande(fichierAOuvrir), capture);
#else
            std::printf("%s", app.help().c_str());
            return 0;
#endif
        }
    } catch (const CLI::ParseError& e) {
        return cli::sortirEnFrancais(app, e);
    } catch (const DonneesCorrompues&) {
        std::fprintf(stderr, "%s\n", versUtf8("Fichiers de données corrompus"_1252).c_str());
        return 1;
    } catch (const OperationImpossible& e) {
        if (e.aUnMessage()) std::fprintf(stderr, "%s\n", versUtf8(e.what()).c_str());
        return 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s\n", versUtf8("Mémoire insuffisante"_1252).c_str());
        return 1;
    }
    return cli::codeSortie;
}
