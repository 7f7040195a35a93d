#include "shell/gui/DialogueDerniers.h"

#include <QPushButton>

#include "documents/ListeHomonymes.h"
#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/TexteQt.h"
#include "ui_DialogueDerniers.h"

namespace lignara::gui {

DialogueDerniers::DialogueDerniers(const ContexteDocument& contexte, const PersonnesRecentes& recentes, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DialogueDerniers>()), recentes_(recentes) {
    ui_->setupUi(this);
    ui_->boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    for (const PersonneRecente& r : recentes_.liste()) ui_->listeDerniers->addItem(versQt(ligneDerniere(contexte, r)));
    ui_->listeDerniers->setCurrentRow(0);
    connect(ui_->listeDerniers, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

DialogueDerniers::~DialogueDerniers() = default;

std::int32_t DialogueDerniers::choisir(const ContexteDocument& contexte, const PersonnesRecentes& recentes,
                                       QWidget* parent) {
    DialogueDerniers dialogue(contexte, recentes, parent);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return -1;
    int ligne = dialogue.ui_->listeDerniers->currentRow();
    if (ligne < 0 || static_cast<std::size_t>(ligne) >= recentes.liste().size()) return -1;
    return recentes.liste()[static_cast<std::size_t>(ligne)].personne;
}

}  // namespace lignara::gui
