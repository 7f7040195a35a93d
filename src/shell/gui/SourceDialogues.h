#pragma once
// Paramètres d'un document demandés par les dialogues de la fenêtre, comme la ligne du type les
// déclare : la personne de tête (titre du type ; sommet de branche, un nom seul ou rien selon
// sa DemandeTete), le conjoint des variantes familiales ou la seconde personne du lien de
// parenté, puis la feuille de propriétés. Annuler n'importe lequel arrête le document sans
// message.
#include <QWidget>

#include "documents/SourceParametres.h"
#include "shell/gui/DialogueSelectionPersonne.h"
#include "shell/gui/PagePremiere.h"

namespace lignara::gui {

class SourceDialogues : public SourceParametres {
public:
    SourceDialogues(EnvironnementSelection environnement, ListesPage listes, QWidget* parent)
        : environnement_(std::move(environnement)), listes_(std::move(listes)), parent_(parent) {}
    bool parametrer(Document& document, const ContexteDocument& contexte) override;

private:
    bool demanderRacine(Document& document);
    bool demanderSeconde(Document& document);

    EnvironnementSelection environnement_;
    ListesPage listes_;
    QWidget* parent_;
};

}  // namespace lignara::gui
