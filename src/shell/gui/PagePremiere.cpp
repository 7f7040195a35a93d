#include "shell/gui/PagePremiere.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/gui/BoiteMessage.h"
#include "shell/gui/SelecteurFichier.h"
#include "shell/gui/TexteQt.h"

namespace lignara::gui {

namespace {

constexpr const char* kFormats[] = {"PDF", "Texte", "RTF", "Web"};

QString nomControle(int id) { return QString("c%1").arg(id); }

bool estCase(int id) {
    return (id >= controle::kPremiereCase && id <= controle::kDerniereCase) || id == controle::kSuppressionNonColorees;
}
bool estNombre(int id) { return id == controle::kNombre1 || id == controle::kNombre2 || id == controle::kNombre3; }
bool estTexte(int id) {
    return id == controle::kPrenom || id == controle::kLieu || id == controle::kProfession ||
           id == controle::kCommentaire;
}
bool estDate(int id) { return id == controle::kDate1 || id == controle::kDate2; }

QStringList enQt(const std::vector<ChoixParametre>& choix) {
    QStringList l;
    for (const ChoixParametre& c : choix) l << versQt(c.libelle);
    return l;
}

QStringList enQt(const std::vector<std::string>& choix1252) {
    QStringList l;
    for (const std::string& c : choix1252) l << versQt(c);
    return l;
}

}  // namespace

PagePremiere::PagePremiere(const PageOptions& page, const Afficheur& type, EmplacementsOptions& emplacements,
                           const ListesPage& listes, QWidget* parent)
    : QWidget(parent), page_(page), type_(type), emplacements_(emplacements), listes_(listes) {
    setObjectName(page_.modele.empty() ? QString("pageFormat") : QString::fromStdString(page_.modele));
    auto* disposition = new QVBoxLayout(this);
    for (const ParametreDeclare* c : page_.controles) ajouterControle(disposition, *c);
    disposition->addStretch(1);
    lierActivations();
}

template <class T>
T* PagePremiere::controle(int id) const {
    return findChild<T*>(nomControle(id));
}

void PagePremiere::ajouterControle(QBoxLayout* disposition, const ParametreDeclare& c) {
    const QString libelle = QString::fromUtf8(c.libelle ? c.libelle : "");
    const int id = c.controle;
    if (id == controle::kFormat) return ajouterFormats(disposition, c);
    if (id == controle::kGroupe1 || id == controle::kGroupe2) return ajouterGroupe(disposition, c);
    if (id == controle::kFondDePage) return ajouterChronologie(disposition, c);
    if (id == controle::kCritere) return ajouterCritere(disposition, c);
    if (id == controle::kCouleurRouge) return ajouterCouleur(disposition, c);
    if (id == controle::kCouleurVert || id == controle::kCouleurBleu) return;  // même bouton que le rouge
    if (id == controle::kChoix || id == controle::kPays) {
        // Le rang montré est celui de la valeur rangée (le code du pays pour 2052).
        const std::vector<ChoixParametre>& choix = choix_[id] = c.listeChoix();
        ajouterListe(disposition, id, libelle, enQt(choix));
        const std::int64_t v = emplacements_.valeurs[id];
        auto rang = std::find_if(choix.begin(), choix.end(), [v](const ChoixParametre& x) { return x.valeur == v; });
        controle<QComboBox>(id)->setCurrentIndex(rang == choix.end() ? 0 : static_cast<int>(rang - choix.begin()));
    } else if (id == controle::kNom) {
        ajouterListe(disposition, id, libelle, enQt(listes_.noms));
        auto* combo = controle<QComboBox>(id);
        combo->setEditable(true);
        combo->lineEdit()->setMaxLength(70);
        combo->setEditText(versQt(emplacements_.textes[id]));
    } else if (estCase(id)) {
        auto* caseACocher = new QCheckBox(libelle, this);
        caseACocher->setObjectName(nomControle(id));
        caseACocher->setChecked(emplacements_.valeurs[id] != 0);
        disposition->addWidget(caseACocher);
    } else if (estNombre(id)) {
        auto* ligne = new QFormLayout;
        auto* spin = new QSpinBox(this);
        spin->setObjectName(nomControle(id));
        auto maximum = emplacements_.maxima.find(id);
        spin->setRange(static_cast<int>(c.minimum),
                       static_cast<int>(maximum == emplacements_.maxima.end() ? c.maximum : maximum->second));
        spin->setValue(static_cast<int>(emplacements_.valeurs[id]));
        if (c.unite) spin->setSuffix(" " + QString::fromUtf8(c.unite));
        ligne->addRow(libelle + " :", spin);
        disposition->addLayout(ligne);
    } else if (estTexte(id) || estDate(id)) {
        auto* ligne = new QFormLayout;
        auto* edit = new QLineEdit(versQt(emplacements_.textes[id]), this);
        edit->setObjectName(nomControle(id));
        edit->setMaxLength(estDate(id) ? 10 : id == controle::kPrenom ? 70 : 100);
        if (estDate(id)) connect(edit, &QLineEdit::editingFinished, this, [this, id] { dateCorrecte(id); });
        ligne->addRow(libelle + " :", edit);
        disposition->addLayout(ligne);
    }
}

void PagePremiere::ajouterListe(QBoxLayout* disposition, int id, const QString& libelle, const QStringList& choix) {
    auto* ligne = new QFormLayout;
    auto* combo = new QComboBox(this);
    combo->setObjectName(nomControle(id));
    combo->addItems(choix);
    ligne->addRow(libelle + " :", combo);
    disposition->addLayout(ligne);
}

void PagePremiere::ajouterGroupe(QBoxLayout* disposition, const ParametreDeclare& c) {
    auto* groupe = new QGroupBox(QString::fromUtf8(c.libelle) + " :", this);
    auto* boutons = new QVBoxLayout(groupe);
    const auto rang = emplacements_.valeurs[c.controle];
    for (std::size_t i = 0; i < c.choix.size() && i < 5; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(c.choix[i]), groupe);
        r->setObjectName(nomControle(c.controle + static_cast<int>(i)));
        r->setChecked(static_cast<std::int64_t>(i) == rang);
        boutons->addWidget(r);
    }
    disposition->addWidget(groupe);
}

// Seuls les formats offerts par le type ont leur bouton.
void PagePremiere::ajouterFormats(QBoxLayout* disposition, const ParametreDeclare& c) {
    auto* groupe = new QGroupBox(QString::fromUtf8(c.libelle) + " :", this);
    groupe->setObjectName("groupeFormat");
    auto* boutons = new QHBoxLayout(groupe);
    for (int code = 0; code < 4; ++code) {
        if (!type_.offre(static_cast<FormatSortie>(code))) continue;
        auto* r = new QRadioButton(kFormats[code], groupe);
        r->setObjectName(nomControle(controle::kFormat + code));
        r->setChecked(emplacements_.valeurs[controle::kFormat] == code);
        boutons->addWidget(r);
    }
    boutons->addStretch(1);
    disposition->addWidget(groupe);
}

void PagePremiere::ajouterChronologie(QBoxLayout* disposition, const ParametreDeclare& c) {
    auto* caseACocher = new QCheckBox(QString::fromUtf8(libelleCaseDeListe(c.controle)), this);
    caseACocher->setObjectName(nomControle(controle::kChronologique));
    caseACocher->setChecked(emplacements_.valeurs[controle::kChronologique] != 0);
    disposition->addWidget(caseACocher);
    ajouterListe(disposition, controle::kFondDePage, QString::fromUtf8(c.libelle), enQt(listes_.chronologies));
    auto* combo = controle<QComboBox>(controle::kFondDePage);
    const QString nom = versQt(emplacements_.textes[controle::kFondDePage]);
    // Un fond de page qui n'est plus dans la liste reste proposé : le document le signalera.
    if (!nom.isEmpty() && combo->findText(nom) < 0) combo->addItem(nom);
    combo->setCurrentIndex(nom.isEmpty() ? 0 : combo->findText(nom));
}

void PagePremiere::ajouterCritere(QBoxLayout* disposition, const ParametreDeclare& c) {
    auto* caseACocher = new QCheckBox(QString::fromUtf8(libelleCaseDeListe(c.controle)), this);
    caseACocher->setObjectName(nomControle(controle::kChromatique));
    caseACocher->setChecked(emplacements_.valeurs[controle::kChromatique] != 0);
    disposition->addWidget(caseACocher);
    criteres_ = c.listeChoix();
    ajouterListe(disposition, controle::kCritere, QString::fromUtf8(c.libelle), enQt(criteres_));
    const std::int64_t code = emplacements_.valeurs[controle::kCritere];
    auto rang =
        std::find_if(criteres_.begin(), criteres_.end(), [code](const ChoixParametre& x) { return x.valeur == code; });
    controle<QComboBox>(controle::kCritere)
        ->setCurrentIndex(rang == criteres_.end() ? 0 : static_cast<int>(rang - criteres_.begin()));
}

// Couleur (2070 à 2072) : un bouton peint de la couleur, qui ouvre le choix des couleurs ; les
// trois emplacements changent ensemble.
void PagePremiere::ajouterCouleur(QBoxLayout* disposition, const ParametreDeclare&) {
    auto* ligne = new QFormLayout;
    auto* bouton = new QPushButton(this);
    bouton->setObjectName(nomControle(controle::kCouleurRouge));
    bouton->setText("Choisir...");
    auto peindre = [this, bouton] {
        const QColor c(static_cast<int>(emplacements_.valeurs[controle::kCouleurRouge]),
                       static_cast<int>(emplacements_.valeurs[controle::kCouleurVert]),
                       static_cast<int>(emplacements_.valeurs[controle::kCouleurBleu]));
        QPixmap echantillon(32, 16);
        echantillon.fill(c);
        bouton->setIcon(QIcon(echantillon));
        bouton->setProperty("couleur", c.name());
    };
    peindre();
    connect(bouton, &QPushButton::clicked, this, [this, bouton, peindre] {
        const QColor depart(bouton->property("couleur").toString());
        const QColor c = SelecteurFichier::couleur(this, depart);
        if (!c.isValid()) return;
        emplacements_.valeurs[controle::kCouleurRouge] = c.red();
        emplacements_.valeurs[controle::kCouleurVert] = c.green();
        emplacements_.valeurs[controle::kCouleurBleu] = c.blue();
        peindre();
    });
    ligne->addRow("Couleur :", bouton);
    disposition->addLayout(ligne);
}

// Les listes d'un arbre chronologique ou chromatique ne servent que la case cochée.
void PagePremiere::lierActivations() {
    auto lier = [this](int caseId, std::vector<int> dependants) {
        auto* caseACocher = controle<QCheckBox>(caseId);
        if (!caseACocher) return;
        auto appliquer = [this, caseACocher, dependants] {
            for (int id : dependants)
                if (auto* w = controle<QWidget>(id)) w->setEnabled(caseACocher->isChecked());
        };
        connect(caseACocher, &QCheckBox::toggled, this, appliquer);
        appliquer();
    };
    lier(controle::kChronologique, {controle::kFondDePage});
    lier(controle::kChromatique, {controle::kCritere, controle::kSuppressionNonColorees});
}

bool PagePremiere::dateCorrecte(int id) {
    auto* edit = controle<QLineEdit>(id);
    if (!edit || lireDateSaisie(depuisQt(edit->text()))) return true;
    BoiteMessage::informer(this, "Date incorrecte");
    edit->setFocus();
    return false;
}

bool PagePremiere::datesCorrectes() {
    for (const ParametreDeclare* c : page_.controles)
        if (estDate(c->controle) && !dateCorrecte(c->controle)) return false;
    return true;
}

void PagePremiere::valider() {
    for (const ParametreDeclare* c : page_.controles) validerControle(*c);
}

void PagePremiere::validerControle(const ParametreDeclare& c) {
    auto& v = emplacements_.valeurs;
    const int id = c.controle;
    auto rangCoche = [this](int premier, int nombre) -> std::int64_t {
        for (int i = 0; i < nombre; ++i)
            if (auto* r = controle<QRadioButton>(premier + i); r && r->isChecked()) return i;
        return 0;
    };
    if (id == controle::kFormat) {
        v[id] = rangCoche(controle::kFormat, 4);
    } else if (id == controle::kGroupe1 || id == controle::kGroupe2) {
        v[id] = rangCoche(id, static_cast<int>(c.choix.size()));
    } else if (id == controle::kFondDePage) {
        v[controle::kChronologique] = controle<QCheckBox>(controle::kChronologique)->isChecked();
        emplacements_.textes[id] = depuisQt(controle<QComboBox>(id)->currentText());
    } else if (id == controle::kCritere) {
        v[controle::kChromatique] = controle<QCheckBox>(controle::kChromatique)->isChecked();
        int rang = controle<QComboBox>(id)->currentIndex();
        if (rang >= 0 && static_cast<std::size_t>(rang) < criteres_.size())
            v[id] = criteres_[static_cast<std::size_t>(rang)].valeur;
    } else if (id == controle::kChoix || id == controle::kPays) {
        const int rang = controle<QComboBox>(id)->currentIndex();
        const std::vector<ChoixParametre>& choix = choix_[id];
        if (rang >= 0 && static_cast<std::size_t>(rang) < choix.size())
            v[id] = choix[static_cast<std::size_t>(rang)].valeur;
    } else if (id == controle::kNom) {
        emplacements_.textes[id] = depuisQt(controle<QComboBox>(id)->currentText());
    } else if (estCase(id)) {
        v[id] = controle<QCheckBox>(id)->isChecked();
    } else if (estNombre(id)) {
        v[id] = controle<QSpinBox>(id)->value();
    } else if (estTexte(id) || estDate(id)) {
        emplacements_.textes[id] = depuisQt(controle<QLineEdit>(id)->text());
    }
}

}  // namespace lignara::gui
