#include "shell/gui/DialogueBlocNote.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "shell/gui/TexteQt.h"

namespace lignara::gui {

DialogueBlocNote::DialogueBlocNote(const std::vector<std::string>& lignes, QWidget* parent) : QDialog(parent) {
    setObjectName("dialogueConsultBloc");
    setWindowTitle("Bloc-note");
    setModal(true);
    auto* texte = new QPlainTextEdit(this);
    texte->setObjectName("texteBlocNote");
    texte->setReadOnly(true);
    // Une ligne stockée reste une ligne, même longue : pas de retour à la ligne automatique.
    texte->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList l;
    for (const std::string& ligne : lignes) l << versQt(ligne);
    texte->setPlainText(l.join('\n'));
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(texte);
    disposition->addWidget(boutons);
    resize(480, 320);
}

}  // namespace lignara::gui
