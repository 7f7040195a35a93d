#pragma once
// « Catégories » : la définition des catégories de professions (genre 0) ou de sources
// (genre 1) dans un éditeur ; OK l'enregistre et la compile, Annuler n'écrit rien.
#include <memory>

#include <QDialog>

namespace Ui {
class DialogueCategorie;
}

namespace lignara::gui {

class DialogueCategorie : public QDialog {
    Q_OBJECT
public:
    // Lève OperationImpossible quand aucune définition ne s'ouvre.
    DialogueCategorie(int genre, QWidget* parent = nullptr);
    ~DialogueCategorie() override;

    void accept() override;

private:
    void reinitialiser();

    std::unique_ptr<Ui::DialogueCategorie> ui_;
    int genre_;
};

}  // namespace lignara::gui
