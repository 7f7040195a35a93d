#include "shell/gui/FenetrePersonne.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/gui/Consultation.h"
#include "shell/gui/TexteQt.h"

namespace lignara::gui {

namespace {

QLabel* champ(QWidget* parent, int id, const std::string& texte1252) {
    auto* l = new QLabel(versQt(texte1252), parent);
    l->setObjectName(QString("champ%1").arg(id));
    l->setTextFormat(Qt::PlainText);  // un texte du GEDCOM n'est jamais du HTML
    // Seul le commentaire revient à la ligne : un label qui se replie dans une rangée de
    // formulaire se fait couper en hauteur ; la fenêtre s'élargit plutôt.
    l->setWordWrap(id == 3109);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

FenetrePersonne::FenetrePersonne(const FichePersonne& fiche, const AutresEvenements& autres, Consultation& consultation,
                                 QWidget* parent)
    : QDialog(parent), personne_(fiche.numero) {
    setObjectName("dialogueConsultPers");
    setWindowTitle(versQt(fiche.titre));
    setModal(false);
    auto* disposition = new QVBoxLayout(this);
    auto* champs = new QFormLayout;
    champs->addRow("Nom : ", champ(this, 3101, fiche.nom));
    champs->addRow("Prénom : ", champ(this, 3102, fiche.prenoms));
    champs->addRow("Sexe : ", champ(this, 3103, fiche.sexe));
    auto* naissance = new QHBoxLayout;
    naissance->addWidget(champ(this, 3104, fiche.naissance.date), 1);
    naissance->addWidget(champ(this, 3105, fiche.naissance.lieu), 1);
    champs->addRow("Naissance : ", naissance);
    auto* deces = new QHBoxLayout;
    deces->addWidget(champ(this, 3106, fiche.deces.date), 1);
    deces->addWidget(champ(this, 3107, fiche.deces.lieu), 1);
    champs->addRow("Décès : ", deces);
    champs->addRow("Profession : ", champ(this, 3108, fiche.profession));
    champs->addRow("Commentaire : ", champ(this, 3109, fiche.commentaire));
    QPushButton* pere = bouton(this, "boutonPere", "Père :");
    QPushButton* mere = bouton(this, "boutonMere", "Mère :");
    pere->setEnabled(fiche.pere.numero != 0);
    mere->setEnabled(fiche.mere.numero != 0);
    champs->addRow(pere, champ(this, 3110, fiche.pere.nom));
    champs->addRow(mere, champ(this, 3112, fiche.mere.nom));
    disposition->addLayout(champs);

    if (!autres.evenements.empty() || !autres.avis.empty()) {
        auto* groupe = new QGroupBox("Autres événements", this);
        auto* lignes = new QFormLayout(groupe);
        for (const AutreEvenement& e : autres.evenements) {
            auto* t = champ(groupe, 0, e.texte);
            t->setObjectName("autreEvenement");
            lignes->addRow(versQt(e.libelle) + " : ", t);
        }
        if (!autres.avis.empty()) {
            auto* avis = champ(groupe, 0, autres.avis);
            avis->setObjectName("avisRelecture");
            lignes->addRow(avis);
        }
        disposition->addWidget(groupe);
    }

    auto* boutons = new QHBoxLayout;
    QPushButton* famille = bouton(this, "boutonFamille", "Famille");
    QPushButton* bloc = bouton(this, "boutonBlocNote", "Bloc-note");
    QPushButton* sources = bouton(this, "boutonSources", "Sources");
    bloc->setEnabled(fiche.blocNotes != 0);
    boutons->addWidget(famille);
    boutons->addWidget(bloc);
    boutons->addWidget(sources);
    disposition->addLayout(boutons);

    const std::uint32_t p = fiche.numero, numeroPere = fiche.pere.numero, numeroMere = fiche.mere.numero;
    Consultation* c = &consultation;
    connect(pere, &QPushButton::clicked, this, [c, numeroPere] { c->ouvrirPersonne(numeroPere); });
    connect(mere, &QPushButton::clicked, this, [c, numeroMere] { c->ouvrirPersonne(numeroMere); });
    connect(famille, &QPushButton::clicked, this, [c, p] { c->ouvrirFamille(p); });
    connect(bloc, &QPushButton::clicked, this, [c, p] { c->montrerBlocNote(p); });
    connect(sources, &QPushButton::clicked, this, [c, p] { c->montrerSources(p); });
    resize(460, 0);
}

}  // namespace lignara::gui
