#include "shell/gui/DialogueErreurGedcom.h"

#include "commun/Texte.h"
#include "shell/gui/Aide.h"
#include "ui_DialogueErreurGedcom.h"

namespace lignara::gui {

DialogueErreurGedcom::DialogueErreurGedcom(const std::string& rapport1252, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DialogueErreurGedcom>()) {
    ui_->setupUi(this);
    QString texte = QString::fromStdString(versUtf8(rapport1252));
    texte.remove('\r');
    ui_->texteRapport->setPlainText(texte);
    connect(ui_->boutonAide, &QPushButton::clicked, this, [] { Aide::ouvrirPage("ErreursGedcom.html"); });
}

DialogueErreurGedcom::~DialogueErreurGedcom() = default;

}  // namespace lignara::gui
