#include "shell/gui/DialogueSelectionPersonne.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "documents/PersonneMoi.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/DialogueDerniers.h"
#include "shell/gui/DialogueHomonymes.h"
#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/TexteQt.h"
#include "ui_DialogueSelectionPersonne.h"

namespace lignara::gui {

DialogueSelectionPersonne::DialogueSelectionPersonne(EnvironnementSelection& environnement,
                                                     const DemandeSelection& demande, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DialogueSelectionPersonne>()),
      environnement_(environnement),
      selection_(environnement.contexte) {
    ui_->setupUi(this);
    setObjectName(demande.descendante ? "DIALOG_DEMPERS_DESC" : "DIALOG_DEMPERS");
    setWindowTitle(demande.titre);
    ui_->caseSommetBranche->setVisible(demande.descendante);
    ui_->boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    connect(ui_->boutons, &QDialogButtonBox::accepted, this, &DialogueSelectionPersonne::accept);
    const int longueur = static_cast<int>(EtatSelection::kLongueurNomMax);
    ui_->comboNom->lineEdit()->setMaxLength(longueur);
    ui_->comboPrenoms->lineEdit()->setMaxLength(longueur);
    remplirNoms();
    if (demande.courante > 0)
        montrerChoisie(demande.courante);
    else
        chercher();

    connect(ui_->comboNom, &QComboBox::editTextChanged, this, [this] {
        if (remplissage_) return;
        remplirPrenoms();
        chercher();
    });
    connect(ui_->comboPrenoms, &QComboBox::editTextChanged, this, [this] {
        if (!remplissage_) chercher();
    });
    connect(ui_->casePhonetique, &QCheckBox::toggled, this, [this](bool coche) {
        etat_.phonetique = coche;
        chercher();
    });
    connect(ui_->casePhonetiqueLarge, &QCheckBox::toggled, this, [this](bool coche) {
        etat_.phonetiqueLarge = coche;
        chercher();
    });
    connect(ui_->caseSommetBranche, &QCheckBox::toggled, this, [this](bool coche) {
        etat_.sommetBranche = coche;
        remplirNoms();
        chercher();
    });
    connect(ui_->boutonDerniers, &QPushButton::clicked, this, [this] { derniers(); });
    connect(ui_->boutonMoi, &QPushButton::clicked, this, [this] { moi(); });
}

DialogueSelectionPersonne::~DialogueSelectionPersonne() = default;

// Les listes changent sans toucher au texte tapé.
void DialogueSelectionPersonne::remplirNoms() {
    remplissage_ = true;
    QString tape = ui_->comboNom->currentText();
    ui_->comboNom->clear();
    for (const std::string& nom : selection_.nomsDeFamille(etat_.sommetBranche)) ui_->comboNom->addItem(versQt(nom));
    ui_->comboNom->setCurrentIndex(-1);
    ui_->comboNom->setEditText(tape);
    remplissage_ = false;
    remplirPrenoms();
}

void DialogueSelectionPersonne::remplirPrenoms() {
    remplissage_ = true;
    QString tape = ui_->comboPrenoms->currentText();
    ui_->comboPrenoms->clear();
    std::string nom = depuisQt(ui_->comboNom->currentText());
    for (const std::string& p : selection_.prenomsDuNom(nom, etat_.sommetBranche))
        ui_->comboPrenoms->addItem(versQt(p));
    ui_->comboPrenoms->setCurrentIndex(-1);
    ui_->comboPrenoms->setEditText(tape);
    remplissage_ = false;
}

void DialogueSelectionPersonne::chercher() {
    etat_.nom = depuisQt(ui_->comboNom->currentText());
    etat_.prenoms = depuisQt(ui_->comboPrenoms->currentText());
    selection_.chercher(etat_);
    mettreAJourBoutons();
}

void DialogueSelectionPersonne::montrerChoisie(std::int32_t personne) {
    selection_.choisir(etat_, personne);
    remplissage_ = true;
    ui_->comboNom->setEditText(versQt(etat_.nom));
    remplissage_ = false;
    remplirPrenoms();
    remplissage_ = true;
    ui_->comboPrenoms->setEditText(versQt(etat_.prenoms));
    remplissage_ = false;
    mettreAJourBoutons();
}

void DialogueSelectionPersonne::mettreAJourBoutons() {
    ui_->boutons->button(QDialogButtonBox::Ok)->setEnabled(etat_.trouve);
    ui_->boutonDerniers->setEnabled(!environnement_.recentes.vide());
    bool moiDefini = environnement_.moi && environnement_.moi() > 0;
    ui_->boutonMoi->setEnabled(moiDefini || static_cast<bool>(environnement_.definirMoi));
}

void DialogueSelectionPersonne::derniers() {
    std::int32_t p = DialogueDerniers::choisir(environnement_.contexte, environnement_.recentes, this);
    if (p > 0) montrerChoisie(p);
}

void DialogueSelectionPersonne::moi() {
    std::int32_t p = environnement_.moi ? environnement_.moi() : -1;
    if (p <= 0) {
        if (!environnement_.definirMoi || !BoiteMessage::confirmer(this, versQt(questionMoiNonDefini()))) return;
        p = environnement_.definirMoi();
    }
    if (p > 0) montrerChoisie(p);
    mettreAJourBoutons();
}

// Plusieurs candidats : le choix entre homonymes ; le fermer annule toute la sélection.
void DialogueSelectionPersonne::accept() {
    resultat_ = selection_.valider(etat_);
    if (resultat_ < 0) {
        auto candidats = selection_.candidats(etat_);
        if (candidats.empty()) return;
        resultat_ = DialogueHomonymes::choisir(environnement_.contexte, etat_, std::move(candidats), this);
        if (resultat_ < 0) {
            reject();
            return;
        }
    }
    QDialog::accept();
}

PersonneSelectionnee DialogueSelectionPersonne::selectionner(EnvironnementSelection& environnement,
                                                             const DemandeSelection& demande, QWidget* parent) {
    DialogueSelectionPersonne dialogue(environnement, demande, parent);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted || dialogue.personne() <= 0) return {};
    PersonneSelectionnee choisie;
    choisie.personne = dialogue.personne();
    SelectionPersonne noms(environnement.contexte);
    choisie.nom = noms.nomDe(static_cast<std::uint32_t>(choisie.personne));
    choisie.prenoms = noms.prenomsDe(static_cast<std::uint32_t>(choisie.personne));
    environnement.recentes.retenir({choisie.nom, choisie.prenoms, choisie.personne});
    return choisie;
}

}  // namespace lignara::gui
