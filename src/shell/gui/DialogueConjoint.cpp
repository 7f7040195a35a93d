#include "shell/gui/DialogueConjoint.h"

#include <QPushButton>

#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/TexteQt.h"
#include "ui_DialogueConjoint.h"

namespace lignara::gui {

DialogueConjoint::DialogueConjoint(const ContexteDocument& contexte, const std::vector<ConjointPossible>& conjoints,
                                   std::uint32_t conjointCourant, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DialogueConjoint>()) {
    ui_->setupUi(this);
    ui_->boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    for (const std::string& libelle : libellesConjoints(contexte, conjoints))
        ui_->comboConjoint->addItem(versQt(libelle));
    ui_->comboConjoint->setCurrentIndex(static_cast<int>(rangDuConjoint(conjoints, conjointCourant)));
}

DialogueConjoint::~DialogueConjoint() = default;

std::optional<ConjointPossible> DialogueConjoint::choisir(const ContexteDocument& contexte, std::uint32_t personne,
                                                          std::uint32_t conjointCourant, QWidget* parent) {
    auto conjoints = conjointsDistincts(*contexte.base, personne);
    if (conjoints.empty()) return ConjointPossible{};
    if (conjoints.size() == 1) return conjoints.front();
    DialogueConjoint dialogue(contexte, conjoints, conjointCourant, parent);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return std::nullopt;
    int rang = dialogue.ui_->comboConjoint->currentIndex();
    if (rang < 0 || static_cast<std::size_t>(rang) >= conjoints.size()) return std::nullopt;
    return conjoints[static_cast<std::size_t>(rang)];
}

}  // namespace lignara::gui
