#include "shell/gui/DialogueNom.h"

#include <QLineEdit>
#include <QPushButton>

#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/TexteQt.h"
#include "ui_DialogueNom.h"

namespace lignara::gui {

DialogueNom::DialogueNom(const ContexteDocument& contexte, const QString& titre, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DialogueNom>()), selection_(contexte) {
    ui_->setupUi(this);
    setWindowTitle(titre);
    ui_->boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    ui_->comboNom->lineEdit()->setMaxLength(static_cast<int>(EtatSelection::kLongueurNomMax));
    for (const std::string& nom : selection_.nomsDeFamille(false)) ui_->comboNom->addItem(versQt(nom));
    ui_->comboNom->setCurrentIndex(-1);
    ui_->comboNom->setEditText({});
    connect(ui_->comboNom, &QComboBox::editTextChanged, this, [this] { chercher(); });
    chercher();
}

DialogueNom::~DialogueNom() = default;

void DialogueNom::chercher() {
    etat_.nom = depuisQt(ui_->comboNom->currentText());
    ui_->boutons->button(QDialogButtonBox::Ok)->setEnabled(selection_.chercher(etat_));
}

std::optional<std::string> DialogueNom::choisir(const ContexteDocument& contexte, const QString& titre,
                                                QWidget* parent) {
    DialogueNom dialogue(contexte, titre, parent);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted || !dialogue.etat_.trouve) return std::nullopt;
    auto candidats = dialogue.selection_.candidats(dialogue.etat_);
    return candidats.empty() ? dialogue.etat_.nom : dialogue.selection_.nomDe(candidats.front());
}

}  // namespace lignara::gui
