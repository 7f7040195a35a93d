#pragma once
// Choix d'un nom de famille (« DIALOG_DEMNOM », cartes de patronyme) : la liste des noms de
// l'index ; OK n'est permis que pour un nom porté par au moins une personne.
#include <memory>
#include <optional>
#include <string>

#include <QDialog>

#include "documents/SelectionPersonne.h"

namespace Ui {
class DialogueNom;
}

namespace lignara::gui {

class DialogueNom : public QDialog {
    Q_OBJECT
public:
    DialogueNom(const ContexteDocument& contexte, const QString& titre, QWidget* parent = nullptr);
    ~DialogueNom() override;

    // Nom choisi (Windows-1252, mis en forme comme la base l'écrit) ; rien quand on annule.
    static std::optional<std::string> choisir(const ContexteDocument& contexte, const QString& titre, QWidget* parent);

private:
    void chercher();

    std::unique_ptr<Ui::DialogueNom> ui_;
    SelectionPersonne selection_;
    EtatSelection etat_;
};

}  // namespace lignara::gui
