#include "documents/MiseEnRoute.h"

#include "database/TablesDerivees.h"
#include "documents/ExecutionDocument.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

ContexteDocument contexteDuFichier(FichierOuvert& fichier, const Configuration& configuration,
                                   const ReglagesMiseEnRoute& reglages) {
    ContexteDocument contexte;
    contexte.base = &fichier.base();
    contexte.noms = &fichier.indexNoms();
    contexte.phonetique = [&fichier]() -> const IndexPhonetique& { return fichier.indexPhonetique(); };
    contexte.nomsLarges = [&fichier]() -> const IndexNomsLarges& { return fichier.indexNomsLarges(); };
    contexte.casseAutomatique = configuration.casseAutomatique;
    // Un message par cause : une photo illisible nommée dix fois n'en donne qu'un.
    contexte.messages = sansRepetition(reglages.messages);
    contexte.preferences = &configuration;
    contexte.dossiersGedcom = fichier.dossiersGedcom();
    contexte.sourcesGedcom = &fichier.sourcesGedcom();
    auto curseur = reglages.curseurAttente;
    contexte.tablesDerivees = [&fichier, curseur]() -> const TablesDerivees& {
        if (fichier.tablesDeriveesPretes() || !curseur) return fichier.attendreTablesDerivees();
        curseur(true);
        struct RetourCurseur {
            const std::function<void(bool)>& curseur;
            ~RetourCurseur() { curseur(false); }
        } retour{curseur};
        return fichier.attendreTablesDerivees();
    };
    return contexte;
}

}  // namespace

ContexteDocument contexteDeMiseEnRoute(FichierOuvert& fichier, const Configuration& configuration,
                                       const ReglagesMiseEnRoute& reglages) {
    ContexteDocument contexte = contexteDuFichier(fichier, configuration, reglages);
    // Les largeurs des textes mettent les documents en page : la police des préférences est
    // chargée à chaque document, puisque les préférences ont pu changer depuis le précédent.
    contexte.polices = chargerPolicesDesPreferences(configuration, reglages.messages);
    return contexte;
}

std::optional<std::string> mettreEnRoute(const Afficheur& type, FichierOuvert& fichier,
                                         const Configuration& configuration, const ReglagesMiseEnRoute& reglages,
                                         const SourcePourContexte& source) {
    ContexteDocument contexte = contexteDeMiseEnRoute(fichier, configuration, reglages);

    ReglagesExecution execution;
    execution.dossierSortie = reglages.dossierSortie;
    execution.sortieImposee = reglages.sortieImposee;
    execution.afficheurs = configuration.afficheurs;
    execution.visualiser = reglages.visualiser;
    execution.compteurs = reglages.compteurs;
    execution.policeAuHasard = configuration.policeAuHasard;
    std::unique_ptr<SourceParametres> parametres = source(contexte);
    return executer(type, *parametres, contexte, execution);
}

}  // namespace lignara
