#pragma once
// « Choix de la famille » : les conjoints connus d'une personne, chacun une fois, les homonymes
// distingués (ChoixConjoint). Aucun : 0 sans dialogue ; un seul : lui, sans dialogue ;
// plusieurs : la liste « Conjoint : », le conjoint courant présélectionné.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QDialog>

#include "documents/ChoixConjoint.h"
#include "documents/ContexteDocument.h"

namespace Ui {
class DialogueConjoint;
}

namespace lignara::gui {

class DialogueConjoint : public QDialog {
    Q_OBJECT
public:
    DialogueConjoint(const ContexteDocument& contexte, const std::vector<ConjointPossible>& conjoints,
                     std::uint32_t conjointCourant, QWidget* parent = nullptr);
    ~DialogueConjoint() override;

    // Conjoint choisi et sa famille ; conjoint 0 quand la personne n'en a aucun ; rien quand on
    // annule.
    static std::optional<ConjointPossible> choisir(const ContexteDocument& contexte, std::uint32_t personne,
                                                   std::uint32_t conjointCourant, QWidget* parent);

private:
    std::unique_ptr<Ui::DialogueConjoint> ui_;
};

}  // namespace lignara::gui
