#include "shell/gui/FenetreListeConsultation.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/gui/Consultation.h"
#include "shell/gui/ModeleListePersonnes.h"

namespace lignara::gui {

FenetreListeConsultation::FenetreListeConsultation(const BaseGenealogique& base, const IndexNoms& index,
                                                   const TablesDerivees& tables, Consultation& consultation,
                                                   QWidget* parent)
    : QDialog(parent), consultation_(consultation) {
    setObjectName("dialogueConsultListe");
    setWindowTitle("Consultation");
    setModal(false);
    recherche_ = new QLineEdit(this);
    recherche_->setObjectName("rechercheConsultation");
    recherche_->setMaxLength(70);
    auto* fermer = new QPushButton("Ferme fenêtres", this);
    fermer->setObjectName("boutonFermeFenetres");
    fermer->setAutoDefault(false);
    modele_ = new ModeleListePersonnes(base, index, ModeleListePersonnes::Forme::Entrees, &tables, this);
    vue_ = new QListView(this);
    vue_->setObjectName("listeConsultation");
    // Hauteur de ligne fixe : la vue ne mesure que les lignes visibles, même sur un million.
    vue_->setUniformItemSizes(true);
    vue_->setModel(modele_);
    vue_->setSelectionMode(QAbstractItemView::SingleSelection);
    vue_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* haut = new QHBoxLayout;
    haut->addWidget(recherche_, 1);
    haut->addWidget(fermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(haut);
    disposition->addWidget(vue_);
    resize(380, 480);

    connect(recherche_, &QLineEdit::textChanged, this, &FenetreListeConsultation::chercher);
    connect(fermer, &QPushButton::clicked, this, [this] { consultation_.fermerFenetres(); });
    connect(vue_, &QListView::doubleClicked, this, [this](const QModelIndex& i) { ouvrirEntree(i.row()); });
}

void FenetreListeConsultation::chercher(const QString& texte) {
    if (texte.isEmpty()) return;
    const int ligne = modele_->premiereEntree(texte);
    if (ligne < 0) return;
    const QModelIndex i = modele_->index(ligne, 0);
    vue_->setCurrentIndex(i);
    vue_->scrollTo(i, QAbstractItemView::PositionAtTop);
}

void FenetreListeConsultation::ouvrirEntree(int ligne) {
    if (ligne < 0 || ligne >= modele_->rowCount()) return;
    consultation_.ouvrirPersonne(modele_->personne(ligne));
}

// Fermée par sa case, par Échap ou par programme : les fenêtres ouvertes partent avec elle.
void FenetreListeConsultation::done(int resultat) {
    consultation_.fermerFenetres();
    QDialog::done(resultat);
}

}  // namespace lignara::gui
