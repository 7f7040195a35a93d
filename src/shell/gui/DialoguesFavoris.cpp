#include "shell/gui/DialoguesFavoris.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "documents/Afficheur.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/TexteQt.h"

namespace lignara::gui {

namespace {

constexpr int kTiretsSeparateur = 77;

QString ligneDe(const Favori& f) { return f.separateur() ? QString(kTiretsSeparateur, QChar('-')) : versQt(f.nom); }

}  // namespace

DialogueModifFavori::DialogueModifFavori(const Favori& favori, std::vector<Favori> autres, QWidget* parent)
    : QDialog(parent), favori_(favori), autres_(std::move(autres)) {
    setObjectName("DIALOG_MODIF_FAVORI");
    setWindowTitle("Favori");
    radioFavori_ = new QRadioButton("Favori", this);
    radioFavori_->setObjectName("radioFavori");
    radioSeparateur_ = new QRadioButton("Séparateur", this);
    radioSeparateur_->setObjectName("radioSeparateur");
    nom_ = new QLineEdit(this);
    nom_->setObjectName("editNom");
    nom_->setMaxLength(static_cast<int>(Favori::kLimiteNom));
    types_ = new QComboBox(this);
    types_->setObjectName("comboTypes");
    for (const Afficheur& a : afficheurs()) types_->addItem(QString::fromUtf8(a.titre), int(a.code));
    types_->setCurrentIndex(-1);
    boutons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons_->setObjectName("boutons");
    boutons_->button(QDialogButtonBox::Cancel)->setText("Annuler");

    auto* choix = new QHBoxLayout;
    choix->addWidget(radioFavori_);
    choix->addWidget(radioSeparateur_);
    auto* champs = new QFormLayout;
    champs->addRow("Nom du favori", nom_);
    champs->addRow("Type de graphique", types_);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(choix);
    tout->addLayout(champs);
    tout->addWidget(boutons_);

    if (favori_.separateur()) {
        radioSeparateur_->setChecked(true);
    } else {
        radioFavori_->setChecked(true);
        nom_->setText(versQt(favori_.nom));
        types_->setCurrentIndex(types_->findData(int(favori_.type)));
        nom_->setFocus();
    }
    connect(radioFavori_, &QRadioButton::toggled, this, [this] { mettreAJour(); });
    connect(nom_, &QLineEdit::textChanged, this, [this] { mettreAJour(); });
    connect(types_, &QComboBox::currentIndexChanged, this, [this] { mettreAJour(); });
    connect(boutons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    mettreAJour();
}

void DialogueModifFavori::mettreAJour() {
    const bool favori = radioFavori_->isChecked();
    nom_->setEnabled(favori);
    types_->setEnabled(favori);
    boutons_->button(QDialogButtonBox::Ok)
        ->setEnabled(!favori || (!nom_->text().isEmpty() && types_->currentIndex() >= 0));
}

void DialogueModifFavori::accept() {
    if (radioSeparateur_->isChecked()) {
        favori_.nom.clear();
        favori_.type = Favori::kSeparateur;
        QDialog::accept();
        return;
    }
    if (nom_->text().isEmpty() || types_->currentIndex() < 0) return;
    // Le nom rangé ne contient ni fin de ligne ni plus de 80 octets.
    std::string nom = depuisQt(nom_->text()).substr(0, Favori::kLimiteNom);
    for (char& c : nom)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    if (favoriNomme(autres_, nom)) {
        BoiteMessage::informer(this, "Le nom est déjà utilisé par un autre favori");
        return;
    }
    favori_.nom = nom;
    favori_.type = static_cast<std::uint8_t>(types_->currentData().toInt());
    QDialog::accept();
}

DialogueGestionFavoris::DialogueGestionFavoris(std::vector<Favori> favoris, Modification modification, QWidget* parent)
    : QDialog(parent), favoris_(std::move(favoris)), modifier_(std::move(modification)) {
    setObjectName("DIALOG_GESTION_FAVORI");
    setWindowTitle("Favoris");
    liste_ = new QListWidget(this);
    liste_->setObjectName("listeFavoris");
    liste_->setMinimumWidth(420);
    auto bouton = [this](const char* texte, const char* nom) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(nom);
        b->setAutoDefault(false);
        return b;
    };
    monter_ = bouton("Monter", "boutonMonter");
    descendre_ = bouton("Descendre", "boutonDescendre");
    ajouter_ = bouton("Ajouter", "boutonAjouter");
    boutonModifier_ = bouton("Modifier", "boutonModifier");
    supprimer_ = bouton("Supprimer", "boutonSupprimer");
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->setObjectName("boutons");
    boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");

    auto* colonne = new QVBoxLayout;
    for (QPushButton* b : {monter_, descendre_, ajouter_, boutonModifier_, supprimer_}) colonne->addWidget(b);
    colonne->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(liste_);
    haut->addLayout(colonne);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(boutons);

    connect(liste_, &QListWidget::currentRowChanged, this, [this] { mettreAJourBoutons(); });
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { modifier(); });
    connect(monter_, &QPushButton::clicked, this, [this] { monter(); });
    connect(descendre_, &QPushButton::clicked, this, [this] { descendre(); });
    connect(ajouter_, &QPushButton::clicked, this, [this] { ajouter(); });
    connect(boutonModifier_, &QPushButton::clicked, this, [this] { modifier(); });
    connect(supprimer_, &QPushButton::clicked, this, [this] { supprimer(); });
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    remplir(-1);
}

void DialogueGestionFavoris::remplir(int choisi) {
    QSignalBlocker bloque(liste_);
    liste_->clear();
    for (const Favori& f : favoris_) liste_->addItem(ligneDe(f));
    liste_->setCurrentRow(choisi);
    bloque.unblock();
    mettreAJourBoutons();
}

int DialogueGestionFavoris::selection() const {
    int i = liste_->currentRow();
    return i >= 0 && i < static_cast<int>(favoris_.size()) ? i : -1;
}

void DialogueGestionFavoris::mettreAJourBoutons() {
    const int i = selection();
    const int n = static_cast<int>(favoris_.size());
    monter_->setEnabled(i > 0);
    descendre_->setEnabled(i >= 0 && i < n - 1);
    ajouter_->setEnabled(favoris_.size() < Favori::kMaximum);
    boutonModifier_->setEnabled(i >= 0);
    supprimer_->setEnabled(i >= 0);
}

std::vector<Favori> DialogueGestionFavoris::autresQue(int indice) const {
    std::vector<Favori> autres;
    for (int i = 0; i < static_cast<int>(favoris_.size()); ++i)
        if (i != indice) autres.push_back(favoris_[static_cast<std::size_t>(i)]);
    return autres;
}

void DialogueGestionFavoris::monter() {
    const int i = selection();
    if (i <= 0) return;
    std::swap(favoris_[static_cast<std::size_t>(i)], favoris_[static_cast<std::size_t>(i - 1)]);
    remplir(i - 1);
}

void DialogueGestionFavoris::descendre() {
    const int i = selection();
    if (i < 0 || i + 1 >= static_cast<int>(favoris_.size())) return;
    std::swap(favoris_[static_cast<std::size_t>(i)], favoris_[static_cast<std::size_t>(i + 1)]);
    remplir(i + 1);
}

void DialogueGestionFavoris::ajouter() {
    if (favoris_.size() >= Favori::kMaximum) return;
    Favori nouveau;
    if (!modifier_ || !modifier_(nouveau, favoris_)) return;
    // Après la ligne choisie ; en tête quand aucune ne l'est.
    const int place = selection() + 1;
    favoris_.insert(favoris_.begin() + place, std::move(nouveau));
    remplir(place);
}

void DialogueGestionFavoris::modifier() {
    const int i = selection();
    if (i < 0 || !modifier_) return;
    Favori copie = favoris_[static_cast<std::size_t>(i)];
    if (modifier_(copie, autresQue(i))) favoris_[static_cast<std::size_t>(i)] = std::move(copie);
    remplir(i);
}

void DialogueGestionFavoris::supprimer() {
    const int i = selection();
    if (i < 0) return;
    if (!favoris_[static_cast<std::size_t>(i)].separateur() &&
        !BoiteMessage::confirmer(this, "Voulez-vous vraiment supprimer ce favori ?"))
        return;
    favoris_.erase(favoris_.begin() + i);
    remplir(-1);
}

}  // namespace lignara::gui
