#include "shell/gui/DocumentsFenetre.h"

#include <QApplication>
#include <QCursor>

#include "documents/MiseEnRoute.h"
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

bool lancerDocument(int identifiant, FenetrePrincipale& fenetre, std::int32_t racine) {
    const Afficheur* type = afficheurDeCode(typeDeCommande(identifiant));
    if (!type || !type->disponible()) return false;
    FichierOuvertFenetre& fichier = fenetre.fichier();

    ReglagesMiseEnRoute reglages;
    reglages.messages = [&fenetre](const std::string& message) { BoiteMessage::informer1252(&fenetre, message.c_str()); };
    reglages.curseurAttente = [](bool enAttente) {
        if (enAttente) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else QApplication::restoreOverrideCursor();
    };
    reglages.dossierSortie = dossierSortieDuProgramme();
    reglages.compteurs = &fenetre.compteurs();
    auto chemin = mettreEnRoute(*type, fichier.noyau(), fenetre.configuration(), reglages, [&](const ContexteDocument& contexte) {
        EnvironnementSelection environnement{contexte, fichier.recentes(),
                                             [&fichier, &contexte] { return personneMoi(fichier.reglages().moi, contexte); },
                                             [&fenetre] { return fenetre.definirMoi(); }};
        auto source = std::make_unique<SourceDialogues>(environnement, listesDuProgramme(), &fenetre);
        source->imposerRacine(racine);
        return source;
    });
    if (chemin) fenetre.documentProduit(*chemin);
    return true;
}

}  // namespace lignara::gui
