#include "shell/gui/PageCoupes.h"

#include "documents/AjustementNom.h"
#include "shell/gui/TexteQt.h"
#include "ui_PageCoupes.h"

namespace lignara::gui {

PageCoupes::PageCoupes(EmplacementsOptions& emplacements, EnvironnementSelection& environnement,
                       const QString& invitation, QWidget* parent)
    : PageCoupes(emplacements.coupes, &emplacements.generations, environnement, invitation, parent) {}

PageCoupes* PageCoupes::pageReports(EmplacementsOptions& emplacements, EnvironnementSelection& environnement,
                                    const QString& invitation, QWidget* parent) {
    auto* page = new PageCoupes(emplacements.reports, nullptr, environnement, invitation, parent);
    page->setObjectName(Afficheur::kPageReports);
    return page;
}

PageCoupes::PageCoupes(ListeCoupes& liste, int* generations, EnvironnementSelection& environnement,
                       const QString& invitation, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::PageCoupes>()),
      liste_(liste),
      generations_(generations),
      environnement_(environnement) {
    ui_->setupUi(this);
    ui_->invitation->setText(invitation);
    ui_->spinGenerations->setRange(0, ListeCoupes::kGenerationsMax);
    ui_->spinGenerations->setSpecialValueText(" ");  // 0 : pas de limite, champ vide
    ui_->spinGenerations->setValue(generations_ ? *generations_ : 0);
    for (QWidget* w : {static_cast<QWidget*>(ui_->etiquetteGenerations), static_cast<QWidget*>(ui_->spinGenerations),
                       static_cast<QWidget*>(ui_->etiquetteGenerations2)})
        w->setVisible(generations_ != nullptr);
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
    for (std::uint32_t p : liste_.personnes())
        ui_->listeCoupes->addItem(
            versQt(ajusterNom(largeur, noms.nomDe(p), noms.prenomsDe(p), environnement_.contexte.polices.reguliere)));
    mettreAJourBoutons();
}

void PageCoupes::mettreAJourBoutons() {
    ui_->boutonAjouter->setEnabled(liste_.peutAjouter());
    ui_->boutonSupprimer->setEnabled(!liste_.personnes().empty() && ui_->listeCoupes->currentRow() >= 0);
}

void PageCoupes::ajouter() {
    PersonneSelectionnee choisie =
        DialogueSelectionPersonne::selectionner(environnement_, {"Ajout d'une branche", -1, false}, this);
    if (choisie.personne <= 0) return;
    liste_.ajouter(choisie.personne);
    remplirListe();
}

void PageCoupes::supprimer() {
    int ligne = ui_->listeCoupes->currentRow();
    if (ligne < 0) return;
    liste_.supprimer(static_cast<std::size_t>(ligne));
    remplirListe();
}

void PageCoupes::valider() {
    if (generations_) *generations_ = ui_->spinGenerations->value();
}

}  // namespace lignara::gui
