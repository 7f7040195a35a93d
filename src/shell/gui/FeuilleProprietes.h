#pragma once
// Feuille de propriétés d'un document : modale, sans bouton Appliquer, titrée du nom de la
// famille de documents (« Arbre ascendant »), avec les pages d'options tirées des paramètres
// déclarés du type, la page « Coupes » et la page « Reports » quand le type les a. Les
// paramètres sont copiés dans des emplacements d'options à l'ouverture et n'en reviennent qu'à
// OK : Annuler laisse le document tel qu'il était.
#include <vector>

#include <QDialog>

#include "documents/Document.h"
#include "documents/PagesOptions.h"
#include "shell/gui/DialogueSelectionPersonne.h"
#include "shell/gui/PagePremiere.h"

class QTabWidget;

namespace lignara::gui {

class PageCoupes;

class FeuilleProprietes : public QDialog {
    Q_OBJECT
public:
    FeuilleProprietes(const Afficheur& type, EmplacementsOptions& emplacements, EnvironnementSelection& environnement,
                      const ListesPage& listes, QWidget* parent = nullptr);

    void accept() override;

    // Montre la feuille du document. Vrai quand elle est confirmée (ou que le type n'a rien à
    // demander) ; faux quand elle est annulée.
    static bool modifier(Document& document, EnvironnementSelection& environnement, const ListesPage& listes,
                         QWidget* parent);

private:
    QTabWidget* onglets_ = nullptr;
    std::vector<PagePremiere*> pages_;
    PageCoupes* coupes_ = nullptr;
    PageCoupes* reports_ = nullptr;
};

}  // namespace lignara::gui
