// lignara parente FICHIER.ged PERSONNE1 PERSONNE2 : cherche le lien de parenté entre deux
// personnes et l'écrit en texte (ancêtre commun, sommet, les deux lignées).
#include <cstdio>
#include <memory>
#include <string>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/GenealogieLigneCommande.h"
#include "parente/LienParente.h"
#include "parente/TexteLienParente.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

struct ParametresParente {
    std::string fichier;
    std::string premiere;
    std::string seconde;
};

void chercherParente(const ParametresParente& p) {
    GenealogieLigneCommande g{std::filesystem::path(p.fichier)};
    std::uint32_t premiere = g.personne(depuisUtf8(p.premiere));
    std::uint32_t seconde = g.personne(depuisUtf8(p.seconde));
    LienParente lien(premiere, seconde);
    lien.chercher(g.base());
    std::printf("%s", versUtf8(texteLienParente(g.base(), lien)).c_str());
    std::fflush(stdout);
}

}  // namespace

void ajouterCommandeParente(CLI::App& app) {
    auto* cmd = app.add_subcommand("parente",
                                   "Cherche le lien de parenté entre deux personnes d'un fichier "
                                   "GEDCOM et l'affiche en texte");
    auto p = std::make_shared<ParametresParente>();
    const char* aidePersonne =
        "Identifiant GEDCOM (@I52@) ou noms comme le fichier les écrit "
        "(\"Victoria /Hanover/\"), suivis au besoin de la date de naissance (24/05/1819)";
    cmd->add_option("FICHIER", p->fichier, "Fichier GEDCOM")->required();
    cmd->add_option("PERSONNE1", p->premiere, aidePersonne)->required();
    cmd->add_option("PERSONNE2", p->seconde, aidePersonne)->required();
    cmd->callback([p] {
        chercherParente(*p);
        codeSortie = 0;
    });
}

}  // namespace lignara::cli
