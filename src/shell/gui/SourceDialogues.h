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
    // Tête déjà choisie (menu contextuel de la liste des personnes) : elle n'est pas demandée ;
    // le conjoint, la seconde personne ou le nom d'une carte le sont toujours.
    void imposerRacine(std::int32_t personne) { racineImposee_ = personne; }

private:
    bool demanderRacine(Document& document);
    bool demanderSeconde(Document& document);

    EnvironnementSelection environnement_;
    ListesPage listes_;
    QWidget* parent_;
    std::int32_t racineImposee_ = 0;
};

}  // namespace lignara::gui
