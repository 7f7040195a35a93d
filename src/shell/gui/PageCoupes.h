#pragma once
// Page « Coupes » (DIALOG_COUPE), toujours la deuxième des feuilles qui l'ont : les personnes
// dont la branche est coupée (ListeCoupes, 50 au plus) et la limite de générations (0 à 99,
// 0 montré vide). Elle travaille sur les emplacements de la feuille. La page « Reports »
// (DIALOG_REPORT) est la même liste de personnes, sans limite de générations.
#include <memory>

#include <QWidget>

#include "documents/PagesOptions.h"
#include "shell/gui/DialogueSelectionPersonne.h"

namespace Ui {
class PageCoupes;
}

namespace lignara::gui {

class PageCoupes : public QWidget {
    Q_OBJECT
public:
    PageCoupes(EmplacementsOptions& emplacements, EnvironnementSelection& environnement, const QString& invitation,
               QWidget* parent = nullptr);
    // Page « Reports » : la liste des branches reportées des emplacements.
    static PageCoupes* pageReports(EmplacementsOptions& emplacements, EnvironnementSelection& environnement,
                                   const QString& invitation, QWidget* parent = nullptr);
    ~PageCoupes() override;

    // Valeurs des contrôles vers les emplacements (confirmation de la feuille).
    void valider();

private:
    PageCoupes(ListeCoupes& liste, int* generations, EnvironnementSelection& environnement, const QString& invitation,
               QWidget* parent);
    void remplirListe();
    void mettreAJourBoutons();
    void ajouter();
    void supprimer();

    std::unique_ptr<Ui::PageCoupes> ui_;
    ListeCoupes& liste_;
    int* generations_;  // nul : page sans limite de générations
    EnvironnementSelection& environnement_;
};

}  // namespace lignara::gui
