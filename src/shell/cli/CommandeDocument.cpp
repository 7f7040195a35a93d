// lignara document TYPE FICHIER.ged [--racine P] [--conjoint P] [--seconde P] [--patronyme NOM]
//   [--format F] [--option "LIBELLÉ=VALEUR"]… [--coupe P]… [--report P]… [--papier FORMAT]
//   [--sortie CHEMIN] [--afficher] ;
// lignara document --liste.
#include <cstdio>
#include <memory>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/DocumentLigneCommande.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

struct ParametresCommandeDocument {
    CommandeDocumentDemandee demande;
    std::string fichier;
    std::string sortie;
    std::string format;
    bool liste = false;
};

void executerCommandeDocument(ParametresCommandeDocument& p) {
    if (p.liste) {
        std::printf("%s", listeDesTypes().c_str());
        return;
    }
    if (p.demande.type.empty() || p.fichier.empty())
        throw OperationImpossible(depuisUtf8("Il faut un TYPE et un FICHIER.ged (ou --liste)"));
    if (!p.format.empty()) {
        p.demande.parametres.format = formatDeMot(p.format);
        if (!p.demande.parametres.format)
            throw OperationImpossible(depuisUtf8("Format inconnu : « " + p.format + " » (pdf, texte, rtf ou web)"));
    }
    p.demande.fichier = p.fichier;
    p.demande.sortie = p.sortie;
    auto chemin = produireDocument(p.demande);
    if (!chemin) {
        codeSortie = 1;
        return;
    }
    std::printf("%s\n", chemin->c_str());
}

}  // namespace

void ajouterCommandeDocument(CLI::App& app) {
    auto* cmd =
        app.add_subcommand("document", "Produit un document (arbre, liste, tableau…) à partir d'un fichier GEDCOM");
    auto p = std::make_shared<ParametresCommandeDocument>();
    const char* aidePersonne =
        "identifiant GEDCOM (@I52@) ou noms comme le fichier les écrit, "
        "suivis au besoin de la date de naissance (\"Victoria /Hanover/ 24/05/1819\")";
    cmd->add_option("TYPE", p->demande.type, "Code, préfixe ou nom du document (voir --liste)");
    cmd->add_option("FICHIER", p->fichier, "Fichier GEDCOM");
    cmd->add_flag("--liste", p->liste, "Affiche les 54 types de documents et quitte");
    cmd->add_option("--racine", p->demande.parametres.racine, std::string("Personne de tête : ") + aidePersonne);
    cmd->add_option("--conjoint", p->demande.parametres.conjoint,
                    "Conjoint qui désigne la famille (documents familiaux)");
    cmd->add_option("--seconde", p->demande.parametres.seconde, "Seconde personne (lien de parenté)");
    cmd->add_option("--patronyme", p->demande.parametres.patronyme, "Nom de famille (carte de patronyme)");
    cmd->add_option("--format", p->format, "Format de sortie : pdf, texte, rtf ou web");
    cmd->add_option("--option", p->demande.parametres.options,
                    "Option du dialogue : \"LIBELLÉ=VALEUR\" (libellé sans ses deux-points ; valeur : libellé "
                    "montré, nombre, oui ou non, date JJ/MM/AAAA)");
    cmd->add_option("--coupe", p->demande.parametres.coupes, "Personne dont la branche est coupée (50 au plus)");
    cmd->add_option(
        "--report", p->demande.parametres.reports,
        "Personne dont la descendance est reportée dans une section à part (liste descendante, 50 au plus)");
    cmd->add_option("--papier", p->demande.papier,
                    "Format de papier des PDF : \"Non paginé\", \"A0 portrait\" … \"A4 paysage\", \"Letter "
                    "portrait\" … \"Tabloid paysage\" (défaut : celui de « lignara preferences --papier »)");
    cmd->add_option("--sortie", p->sortie, "Fichier ou dossier du document (défaut : dossier courant)");
    cmd->add_flag("--afficher", p->demande.afficher, "Lance l'afficheur du document");
    cmd->callback([p] {
        codeSortie = 0;
        executerCommandeDocument(*p);
    });
}

}  // namespace lignara::cli
