// lignara personnes FICHIER [--nom NOM] [--prenoms P] [--phonetique] : ouvre le fichier comme
// la fenêtre l'ouvrirait et liste les personnes trouvées dans l'ordre de l'index des noms,
// une par ligne : numéro, nom, prénoms, année de naissance estimée, marque de vie.
#include <cstdio>
#include <memory>
#include <string>

#include "commun/Dossiers.h"
#include "commun/Texte.h"
#include "documents/DocumentLigneCommande.h"
#include "session/DemarrageDossierSortie.h"
#include "session/FichierOuvert.h"
#include "session/PersonnesTrouvees.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

struct ParametresPersonnes {
    std::string fichier;
    std::string nom;
    std::string prenoms;
    bool phonetique = false;
};

void lister(const ParametresPersonnes& p) {
    FichierOuvert fichier(dossierConfiguration(), dossierSortieDuProgramme());
    OptionsOuverture options;
    options.surveiller = false;
    options.paysParDefaut = paysDesPreferences(configurationLigneCommande(""));
    fichier.ouvrir(p.fichier, options);
    // La liste reste seule sur la sortie standard ; le rapport se voit avec « importer ».
    if (fichier.nombreErreursImport() > 0)
        std::fprintf(stderr, "%zu %s\n", fichier.nombreErreursImport(),
                     versUtf8("erreur(s) dans le fichier Gedcom : « lignara importer » les détaille"_1252).c_str());
    CriteresPersonnes criteres{depuisUtf8(p.nom), depuisUtf8(p.prenoms), p.phonetique};
    for (const PersonneTrouvee& personne : chercherPersonnes(fichier, criteres))
        std::printf("%s\n", versUtf8(ligneDePersonne(personne)).c_str());
    std::fflush(stdout);
}

}  // namespace

void ajouterCommandePersonnes(CLI::App& app) {
    auto* cmd = app.add_subcommand("personnes",
                                   "Liste les personnes d'un fichier GEDCOM dans l'ordre de l'index "
                                   "des noms : numéro, nom, prénoms, année de naissance estimée "
                                   "(« ? » sans estimation), marque de vie (v ou m)");
    auto p = std::make_shared<ParametresPersonnes>();
    cmd->add_option("FICHIER", p->fichier, "Fichier GEDCOM (.ged) ou fusion (.fged)")->required();
    cmd->add_option("--nom", p->nom, "Seulement les noms qui commencent ainsi (capitales et accents ignorés)");
    cmd->add_option("--prenoms", p->prenoms, "Seulement les prénoms qui commencent ainsi");
    cmd->add_flag("--phonetique", p->phonetique, "Le nom est cherché par le son : Dupont trouve aussi DUPOND");
    cmd->callback([p] {
        lister(*p);
        codeSortie = 0;
    });
}

}  // namespace lignara::cli
