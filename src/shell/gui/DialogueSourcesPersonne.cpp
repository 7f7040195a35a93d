#include "shell/gui/DialogueSourcesPersonne.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/gui/TexteQt.h"

namespace lignara::gui {

DialogueSourcesPersonne::DialogueSourcesPersonne(const FichePersonne& fiche, QWidget* parent) : QDialog(parent) {
    setObjectName("dialogueConsultSource");
    setWindowTitle("Sources");
    setModal(true);
    auto* disposition = new QVBoxLayout(this);
    auto* titre = new QLabel("SOURCES", this);
    titre->setAlignment(Qt::AlignCenter);
    disposition->addWidget(titre);
    auto* champs = new QFormLayout;
    const struct {
        int id;
        const char* libelle;
        const std::string& texte;
    } lignes[] = {
        {3401, "Identité : ", fiche.sourceIdentite},
        {3402, "Date de naissance : ", fiche.naissance.sourceDate},
        {3403, "Lieu de naissance : ", fiche.naissance.sourceLieu},
        {3404, "Date de décès : ", fiche.deces.sourceDate},
        {3405, "Lieu de décès : ", fiche.deces.sourceLieu},
        {3406, "Profession : ", fiche.sourceProfession},
        {3407, "Commentaire : ", fiche.sourceCommentaire},
    };
    for (const auto& l : lignes) {
        auto* valeur = new QLabel(versQt(l.texte), this);
        valeur->setObjectName(QString("source%1").arg(l.id));
        valeur->setTextFormat(Qt::PlainText);  // un texte du GEDCOM n'est jamais du HTML
        valeur->setWordWrap(true);
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
        champs->addRow(QString::fromUtf8(l.libelle), valeur);
    }
    disposition->addLayout(champs);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    disposition->addWidget(boutons);
    resize(460, 0);
}

}  // namespace lignara::gui
