#include "shell/gui/PageCoupes.h"

#include "documents/AjustementNom.h"
#include "shell/gui/TexteQt.h"
#include "ui_PageCoupes.h"

namespace lignara::gui {

PageCoupes::PageCoupes(EmplacementsOptions& emplacements, EnvironnementSelection& environnement,
                       const QString& invitation, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::PageCoupes>()), emplacements_(emplacements),
      environnement_(environnement) {
    ui_->setupUi(this);
    ui_->invitation->setText(invitation);
    ui_->spinGenerations->setRange(0, ListeCoupes::kGenerationsMax);
    ui_->spinGenerations->setSpecialValueText(" ");  // 0 : pas de limite, champ vide
    ui_->spinGenerations->setValue(emplacements_.generations);
    remplirListe();
    connect(ui_->boutonAjouter, &QPushButton::clicked, this, [this] { ajouter(); });
    connect(ui_->boutonSupprimer, &QPushButton::clicked, this, [this] { supprimer(); });
    connect(ui_->listeCoupes, &QListWidget::currentRowChanged, this, [this] { mettreAJourBoutons(); });
}

PageCoupes::~PageCoupes() = default;

// Un nom par ligne, ajusté à la largeur de la liste (unités de dessin à 10 points).
void PageCoupes::remplirListe() {
    ui_->listeCoupes->clear();
    SelectionPersonne noms(environnement_.contexte);
    const std::int32_t largeur = (ui_->listeCoupes->minimumWidth() - 24) * 11;
    for (std::uint32_t p : emplacements_.coupes.personnes())
        ui_->listeCoupes->addItem(versQt(ajusterNom(largeur, noms.nomDe(p), noms.prenomsDe(p), environnement_.contexte.polices.reguliere)));
    mettreAJourBoutons();
}

void PageCoupes::mettreAJourBoutons() {
    ui_->boutonAjouter->setEnabled(emplacements_.coupes.peutAjouter());
    ui_->boutonSupprimer->setEnabled(!emplacements_.coupes.personnes().empty() &&
                                     ui_->listeCoupes->currentRow() >= 0);
}

void PageCoupes::ajouter() {
    PersonneSelectionnee choisie =
        DialogueSelectionPersonne::selectionner(environnement_, {"Ajout d'une branche", -1, false}, this);
    if (choisie.personne <= 0) return;
    emplacements_.coupes.ajouter(choisie.personne);
    remplirListe();
}

void PageCoupes::supprimer() {
    int ligne = ui_->listeCoupes->currentRow();
    if (ligne < 0) return;
    emplacements_.coupes.supprimer(static_cast<std::size_t>(ligne));
    remplirListe();
}

void PageCoupes::valider() { emplacements_.generations = ui_->spinGenerations->value(); }

}  // namespace lignara::gui
