// lignara favori liste FICHIER.ged ;
// lignara favori executer FICHIER.ged NOM [--sortie CHEMIN] [--papier FORMAT] [--afficher] ;
// lignara favori ajouter FICHIER.ged NOM TYPE [--racine P] [--conjoint P] [--seconde P]
//   [--patronyme NOM] [--format F] [--option "LIBELLÉ=VALEUR"]… [--coupe P]…
#include <cstdio>
#include <memory>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/FavoriLigneCommande.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

struct ParametresAjout {
    AjoutFavoriDemande demande;
    std::string fichier;
    std::string format;
};

void ajouterListe(CLI::App& favori) {
    auto* cmd = favori.add_subcommand("liste", "Affiche les favoris d'un fichier, dans l'ordre du menu « Favoris »");
    auto fichier = std::make_shared<std::string>();
    cmd->add_option("FICHIER", *fichier, "Fichier GEDCOM")->required();
    cmd->callback([fichier] {
        codeSortie = 0;
        std::string liste = listeDesFavoris(*fichier);
        if (liste.empty()) std::fprintf(stderr, "Aucun favori pour ce fichier\n");
        std::printf("%s", liste.c_str());
    });
}

void ajouterExecuter(CLI::App& favori) {
    auto* cmd = favori.add_subcommand("executer", "Produit le document d'un favori, comme son menu dans la fenêtre");
    auto p = std::make_shared<LancementFavoriDemande>();
    auto fichier = std::make_shared<std::string>();
    auto sortie = std::make_shared<std::string>();
    cmd->add_option("FICHIER", *fichier, "Fichier GEDCOM")->required();
    cmd->add_option("NOM", p->nom, "Nom du favori (casse comprise)")->required();
    cmd->add_option("--sortie", *sortie, "Fichier ou dossier du document (défaut : dossier courant)");
    cmd->add_option("--papier", p->papier, "Format de papier du PDF, comme le menu « Format feuille »");
    cmd->add_flag("--afficher", p->afficher, "Lance l'afficheur du document");
    cmd->callback([p, fichier, sortie] {
        codeSortie = 0;
        p->fichier = *fichier;
        p->sortie = *sortie;
        auto chemin = lancerFavoriNomme(*p);
        if (!chemin) {
            codeSortie = 1;
            return;
        }
        std::printf("%s\n", chemin->c_str());
    });
}

void ajouterAjout(CLI::App& favori) {
    auto* cmd = favori.add_subcommand("ajouter", "Ajoute un favori à la fin de la liste d'un fichier");
    auto p = std::make_shared<ParametresAjout>();
    const char* aidePersonne =
        "identifiant GEDCOM (@I52@) ou noms comme le fichier les écrit, "
        "suivis au besoin de la date de naissance (\"Victoria /Hanover/ 24/05/1819\")";
    cmd->add_option("FICHIER", p->fichier, "Fichier GEDCOM")->required();
    cmd->add_option("NOM", p->demande.nom, "Nom du favori (80 caractères au plus)")->required();
    cmd->add_option("TYPE", p->demande.type, "Code, préfixe ou nom du document (lignara document --liste)")->required();
    cmd->add_option("--racine", p->demande.parametres.racine, std::string("Personne de tête : ") + aidePersonne);
    cmd->add_option("--conjoint", p->demande.parametres.conjoint,
                    "Conjoint qui désigne la famille (documents familiaux)");
    cmd->add_option("--seconde", p->demande.parametres.seconde, "Seconde personne (lien de parenté)");
    cmd->add_option("--patronyme", p->demande.parametres.patronyme, "Nom de famille (carte de patronyme)");
    cmd->add_option("--format", p->format, "Format de sortie : pdf, texte, rtf ou web");
    cmd->add_option("--option", p->demande.parametres.options, "Option du dialogue : \"LIBELLÉ=VALEUR\"");
    cmd->add_option("--coupe", p->demande.parametres.coupes, "Personne dont la branche est coupée (50 au plus)");
    cmd->callback([p] {
        codeSortie = 0;
        if (!p->format.empty()) {
            p->demande.parametres.format = formatDeMot(p->format);
            if (!p->demande.parametres.format)
                throw OperationImpossible(
                    depuisUtf8("Format inconnu : « " + p->format + " » (pdf, texte, rtf ou web)"));
        }
        p->demande.fichier = p->fichier;
        if (!ajouterFavori(p->demande)) codeSortie = 1;
    });
}

}  // namespace

void ajouterCommandeFavori(CLI::App& app) {
    auto* cmd = app.add_subcommand("favori", "Favoris d'un fichier GEDCOM : liste, exécution, ajout");
    cmd->require_subcommand(1);
    ajouterListe(*cmd);
    ajouterExecuter(*cmd);
    ajouterAjout(*cmd);
}

}  // namespace lignara::cli
