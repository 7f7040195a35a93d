#include "shell/gui/DocumentsFenetre.h"

#include <QApplication>
#include <QCursor>

#include "documents/ExecutionDocument.h"
#include "reglages/RaccordDessin.h"
#include "documents/PersonneMoi.h"
#include "reference/ChronologieListe.h"
#include "session/DemarrageDossierSortie.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/CommandesMenus.h"
#include "shell/gui/FenetrePrincipale.h"
#include "shell/gui/SourceDialogues.h"

namespace lignara::gui {

namespace {

ListesPage listesDuProgramme() {
    ListesPage listes;
    const ChronologieListe chronologies = ChronologieListe::livree();
    const auto& entrees = chronologies.entrees();
    for (std::size_t i = 1; i < entrees.size(); ++i) listes.chronologies.push_back(entrees[i].nom);
    return listes;
}

}  // namespace

bool lancerDocument(int identifiant, FenetrePrincipale& fenetre) {
    const Afficheur* type = afficheurDeCode(typeDeCommande(identifiant));
    if (!type || !type->disponible()) return false;
    FichierOuvertFenetre& fichier = fenetre.fichier();
    const Configuration& configuration = fenetre.configuration();

    ContexteDocument contexte = fichier.contexte(configuration.casseAutomatique);
    contexte.messages = [&fenetre](const std::string& message) { BoiteMessage::informer1252(&fenetre, message.c_str()); };
    contexte.preferences = &configuration;
    contexte.tablesDerivees = [&fichier]() -> const TablesDerivees& {
        if (fichier.tablesDeriveesPretes()) return fichier.tablesDerivees();
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        struct RetourCurseur {
            ~RetourCurseur() { QApplication::restoreOverrideCursor(); }
        } retour;
        return fichier.tablesDerivees();
    };
    // Les largeurs des textes mettent les documents en page : la police des préférences est
    // chargée à chaque document, puisque les préférences ont pu changer depuis le précédent.
    contexte.polices = chargerPolicesDesPreferences(configuration, contexte.messages);
    EnvironnementSelection environnement{contexte, fichier.recentes(),
                                         [&] { return personneMoi(fichier.reglages().moi, contexte); },
                                         [&fenetre] { return fenetre.definirMoi(); }};
    SourceDialogues source(environnement, listesDuProgramme(), &fenetre);

    ReglagesExecution reglages;
    reglages.dossierSortie = dossierSortieDuProgramme();
    reglages.afficheurs = configuration.afficheurs;
    reglages.policeAuHasard = configuration.policeAuHasard;
    reglages.compteurs = &fenetre.compteurs();
    executer(*type, source, contexte, reglages);
    return true;
}

}  // namespace lignara::gui
