#include "shell/gui/DocumentsFenetre.h"

#include <QApplication>
#include <QCursor>

#include "documents/ExecutionFavori.h"
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

ReglagesMiseEnRoute reglagesFenetre(FenetrePrincipale& fenetre) {
    ReglagesMiseEnRoute reglages;
    reglages.messages = [&fenetre](const std::string& message) {
        BoiteMessage::informer1252(&fenetre, message.c_str());
    };
    reglages.curseurAttente = [](bool enAttente) {
        if (enAttente)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QApplication::restoreOverrideCursor();
    };
    reglages.dossierSortie = dossierSortieDuProgramme();
    reglages.compteurs = &fenetre.compteurs();
    return reglages;
}

// racine : tête imposée (0 : demandée).
SourcePourContexte dialogues(FenetrePrincipale& fenetre, std::int32_t racine = 0) {
    return [&fenetre, racine](const ContexteDocument& contexte) {
        FichierOuvertFenetre& fichier = fenetre.fichier();
        EnvironnementSelection environnement{
            contexte, fichier.recentes(),
            [&fichier, &contexte] { return personneMoi(fichier.reglages().moi, contexte); },
            [&fenetre] { return fenetre.definirMoi(); }};
        auto source = std::make_unique<SourceDialogues>(environnement, listesDuProgramme(), &fenetre);
        source->imposerRacine(racine);
        return source;
    };
}

}  // namespace

bool lancerDocument(int identifiant, FenetrePrincipale& fenetre, std::int32_t racine) {
    const Afficheur* type = afficheurDeCode(typeDeCommande(identifiant));
    if (!type || !type->disponible()) return false;
    auto chemin = mettreEnRoute(*type, fenetre.fichier().noyau(), fenetre.configuration(), reglagesFenetre(fenetre),
                                dialogues(fenetre, racine));
    if (chemin) fenetre.documentProduit(*chemin);
    return true;
}

void lancerFavoriFenetre(const Favori& favori, FenetrePrincipale& fenetre) {
    auto chemin = lancerFavori(favori, fenetre.fichier().noyau(), fenetre.configuration(), reglagesFenetre(fenetre),
                               dialogues(fenetre));
    if (chemin) fenetre.documentProduit(*chemin);
}

void parametrerFavoriFenetre(Favori& favori, const Favori& avant, FenetrePrincipale& fenetre) {
    parametrerFavori(favori, avant, fenetre.fichier().noyau(), fenetre.configuration(), reglagesFenetre(fenetre),
                     dialogues(fenetre));
}

}  // namespace lignara::gui
