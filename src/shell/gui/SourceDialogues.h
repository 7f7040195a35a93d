#pragma once
// Paramètres d'un document demandés par les dialogues de la fenêtre : la personne de tête
// (titre du type ; un nom seul pour la carte de patronyme), le conjoint des variantes
// familiales (ou la seconde personne du lien de parenté), puis la feuille de propriétés.
// Annuler n'importe lequel arrête le document sans message.
#include <QWidget>

#include "documents/SourceParametres.h"
#include "shell/gui/DialogueSelectionPersonne.h"
#include "shell/gui/PagePremiere.h"

namespace lignara::gui {

class SourceDialogues : public SourceParametres {
public:
    SourceDialogues(EnvironnementSelection& environnement, ListesPage listes, QWidget* parent)
        : environnement_(environnement), listes_(std::move(listes)), parent_(parent) {}
    bool parametrer(Document& document, const ContexteDocument& contexte) override;

private:
    bool demanderRacine(Document& document);
    bool demanderSeconde(Document& document);

    EnvironnementSelection& environnement_;
    ListesPage listes_;
    QWidget* parent_;
};

// Documents dont la personne de tête est le sommet d'une descendance (« Sommet de branche »).
bool racineDescendante(const Afficheur& type);
// Documents qui portent sur tout le fichier, sans personne de tête à demander.
bool sansRacineDemandee(const Afficheur& type);

}  // namespace lignara::gui
