#include "shell/gui/DialogueOptionsFichier.h"

#include <QPushButton>

#include "commun/Texte.h"
#include "reglages/TagCommentaire.h"
#include "shell/gui/BoiteMessage.h"
#include "ui_DialogueOptionsFichier.h"

namespace lignara::gui {

QString dateDeReferenceMoi(const ReferenceMoi& moi) {
    if (!moi.annee) return {};
    if (!moi.mois) return QString(" (%1)").arg(moi.annee);
    const QString mois = QString("%1").arg(moi.mois, 2, 10, QChar('0'));
    if (!moi.jour) return QString(" (%1/%2)").arg(mois).arg(moi.annee);
    return QString(" (%1/%2/%3)").arg(moi.jour, 2, 10, QChar('0')).arg(mois).arg(moi.annee);
}

QString nomDeReferenceMoi(const ReferenceMoi& moi) {
    if (!moi.definie()) return {};
    std::string cle = moi.cle;
    std::size_t separation = cle.find('\x1f');
    QString nom = QString::fromStdString(versUtf8(cle.substr(0, separation)));
    if (separation != std::string::npos) nom += " " + QString::fromStdString(versUtf8(cle.substr(separation + 1)));
    return nom + dateDeReferenceMoi(moi);
}

DialogueOptionsFichier::DialogueOptionsFichier(const ReglagesFichier& reglages, const QString& nomFichier,
                                               QWidget* parent, ChoixMoi choisirMoi, NomMoi nommerMoi)
    : QDialog(parent), ui_(std::make_unique<Ui::DialogueOptionsFichier>()), reglages_(reglages) {
    ui_->setupUi(this);
    ui_->titreFichier->setText("Fichier " + nomFichier);
    if (!nommerMoi) nommerMoi = nomDeReferenceMoi;
    ui_->nomMoi->setText(nommerMoi(reglages_.moi));
    ui_->boutonModifierMoi->setEnabled(static_cast<bool>(choisirMoi));
    connect(ui_->boutonModifierMoi, &QPushButton::clicked, this, [this, choisirMoi, nommerMoi] {
        if (auto moi = choisirMoi()) {
            reglages_.moi = *moi;
            ui_->nomMoi->setText(nommerMoi(reglages_.moi));
        }
    });
    ui_->boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    connect(ui_->boutons, &QDialogButtonBox::accepted, this, &DialogueOptionsFichier::accept);
    QRadioButton* modes[] = {ui_->radioPremiereLigne, ui_->radioDiese, ui_->radioTag};
    modes[std::min<int>(reglages_.modeCommentaire, 2)]->setChecked(true);
    ui_->editTag->setText(QString::fromStdString(versUtf8(reglages_.tagCommentaire)));
    connect(ui_->editTag, &QLineEdit::textChanged, this, [this] { mettreAJourOk(); });
    for (QRadioButton* r : modes) connect(r, &QRadioButton::toggled, this, [this] { mettreAJourOk(); });
    mettreAJourOk();
}

DialogueOptionsFichier::~DialogueOptionsFichier() = default;

void DialogueOptionsFichier::mettreAJourOk() {
    bool tag = ui_->radioTag->isChecked();
    ui_->editTag->setEnabled(tag);
    ui_->boutons->button(QDialogButtonBox::Ok)->setEnabled(!tag || !tagSaisi().empty());
}

// Le tag est ce qui précède le premier espace.
std::string DialogueOptionsFichier::tagSaisi() const {
    return tagCommentaireSaisi(depuisUtf8(ui_->editTag->text().toStdString()));
}

void DialogueOptionsFichier::accept() {
    std::uint8_t mode = ui_->radioTag->isChecked()     ? ReglagesFichier::kTagGedcom
                        : ui_->radioDiese->isChecked() ? ReglagesFichier::kPremiereLigneDiese
                                                       : ReglagesFichier::kPremiereLigneNotes;
    std::string tag;
    if (mode == ReglagesFichier::kTagGedcom) {
        tag = tagSaisi();
        std::string refus = refusTagCommentaire(tag);
        if (!refus.empty()) {
            BoiteMessage::informer1252(this, refus.c_str());
            return;
        }
    }
    reglages_.modeCommentaire = mode;
    reglages_.tagCommentaire = tag;
    QDialog::accept();
}

}  // namespace lignara::gui
