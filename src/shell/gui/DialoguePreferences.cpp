#include "shell/gui/DialoguePreferences.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "commun/Texte.h"
#include "documents/arbres/ThemesArbre.h"
#include "render/PoliceListe.h"
#include "shell/gui/SelecteurFichier.h"
#include "ui_DialoguePreferences.h"

namespace lignara::gui {
namespace {

struct FamilleDonnees {
    const char* nom;
    int bits;
    std::uint8_t Configuration::*masque;
};

const FamilleDonnees kFamilles[8] = {
    {"Arbre ascendant", 6, &Configuration::donneesArbreAscendant},
    {"Arbre descendant", 6, &Configuration::donneesArbreDescendant},
    {"Liste ascendante", 5, &Configuration::donneesListeAscendante},
    {"Liste descendants", 5, &Configuration::donneesListeDescendante},
    {"Autres listes", 4, &Configuration::donneesAutresListes},
    {"Tableau ascendant", 2, &Configuration::donneesTableauAscendant},
    {"Proches parents", 4, &Configuration::donneesProches},
    {"Trombinoscope", 4, &Configuration::donneesGalerie},
};
const char* const kNomsDonnees[6] = {"Dates", "Lieux", "Prof.", "Commentaire", "Infos\nmariage", "Photo"};

QString u(const std::string& texte1252) { return QString::fromStdString(versUtf8(texte1252)); }
std::string b(const QString& texte) { return depuisUtf8(texte.toStdString()); }

QColor couleur(const CouleurRvb& c) { return QColor(c.rouge, c.vert, c.bleu); }
CouleurRvb rvb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

void peindre(QLabel* nuance, const QColor& c) {
    nuance->setStyleSheet(QString("background-color: %1; border: 1px solid #555").arg(c.name()));
    nuance->setProperty("couleur", c);
}
QColor nuanceDe(QLabel* nuance) { return nuance->property("couleur").value<QColor>(); }

}  // namespace

QStringList DialoguePreferences::themes() {
    QStringList noms;
    for (const char* nom : kNomsThemesArbre) noms << QString::fromUtf8(nom);
    return noms;
}

DialoguePreferences::DialoguePreferences(const Configuration& configuration, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DialoguePreferences>()), configuration_(configuration) {
    ui_->setupUi(this);
    setObjectName("DialoguePreferences");
    ui_->boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    connect(ui_->boutons, &QDialogButtonBox::accepted, this, &DialoguePreferences::accept);
    // Les six onglets restent lisibles en entier : la feuille s'élargit plutôt que de défiler.
    ui_->onglets->setUsesScrollButtons(false);
    ui_->editPays->setMaximumWidth(ui_->editPays->fontMetrics().horizontalAdvance("WWW") + 12);
    remplirGeneral();
    remplirMiseEnPage();
    remplirStyles();
    construireDonnees();
    remplirAfficheurs();
    remplirSignature();
    relierChoix();
}

DialoguePreferences::~DialoguePreferences() = default;

void DialoguePreferences::montrerPage(Page page) { ui_->onglets->setCurrentIndex(page); }

void DialoguePreferences::remplirGeneral() {
    ui_->checkAvis->setChecked(!configuration_.avisNouvellesVersions.empty());
    ui_->checkCasse->setChecked(configuration_.casseAutomatique);
    ui_->editFichierDefaut->setText(u(configuration_.fichierParDefaut));
    ui_->editDossierPhotos->setText(u(configuration_.dossierPhotos));
    ui_->editPays->setText(QString::fromStdString(configuration_.pays()));
}

void DialoguePreferences::remplirMiseEnPage() {
    ui_->spinCompressionArbres->setValue(configuration_.compressionArbres);
    ui_->spinCompressionListes->setValue(configuration_.compressionListes);
    ui_->spinCompressionTableaux->setValue(configuration_.compressionTableaux);
    ui_->spinEspaceMinimal->setValue(configuration_.espaceMinimal);
    ui_->spinMargeHaut->setValue(lignesDeMarge(configuration_.margeHaut));
    ui_->spinMargeBas->setValue(lignesDeMarge(configuration_.margeBas));
    ui_->spinMargeGauche->setValue(millimetresDeMarge(configuration_.margeGauche));
    ui_->spinMargeDroite->setValue(millimetresDeMarge(configuration_.margeDroite));
    ui_->checkDoublesAscendantes->setChecked(configuration_.doublesBranchesAscendantes);
    ui_->checkDoublesDescendantes->setChecked(configuration_.doublesBranchesDescendantes);
}

void DialoguePreferences::remplirStyles() {
    ui_->comboTheme->addItems(themes());
    ui_->comboTheme->setCurrentIndex(std::min<int>(configuration_.theme, ui_->comboTheme->count() - 1));
    ui_->checkThemeHasard->setChecked(configuration_.themeAuHasard);
    const ListePolices polices = listerPolicesUtilisables();  // noms() pointe dans son tampon
    for (std::string_view nom : polices.noms()) ui_->comboPolice->addItem(u(std::string(nom)));
    QString police = u(configuration_.police);
    // Une police configurée qui n'est plus installée reste visible et choisie.
    if (ui_->comboPolice->findText(police) < 0) ui_->comboPolice->insertItem(0, police);
    ui_->comboPolice->setCurrentText(police);
    ui_->checkPoliceHasard->setChecked(configuration_.policeAuHasard);
    ui_->checkCouleurSexe->setChecked(configuration_.couleurParSexe);
    peindre(ui_->nuanceHommes, couleur(configuration_.couleurHommes));
    peindre(ui_->nuanceFemmes, couleur(configuration_.couleurFemmes));
    peindre(ui_->nuanceTexte, couleur(configuration_.couleurTexte));
    peindre(ui_->nuanceTrait, couleur(configuration_.couleurTrait));
    peindre(ui_->nuanceRemplissage, couleur(configuration_.couleurRemplissage));
}

// Une case par donnée que la famille propose ; les autres colonnes restent vides.
void DialoguePreferences::construireDonnees() {
    QGridLayout* grille = ui_->grilleDonnees;
    for (int d = 0; d < 6; ++d) {
        auto* titre = new QLabel(kNomsDonnees[d]);
        titre->setAlignment(Qt::AlignCenter);  // « Infos » sur « mariage »
        grille->addWidget(titre, 0, d + 1, Qt::AlignCenter);
    }
    for (int f = 0; f < 8; ++f) {
        grille->addWidget(new QLabel(kFamilles[f].nom), f + 1, 0);
        for (int d = 0; d < kFamilles[f].bits; ++d) {
            auto* c = new QCheckBox;
            c->setObjectName(QString("caseDonnees%1_%2").arg(f).arg(d));
            c->setChecked(configuration_.*kFamilles[f].masque & (1 << d));
            grille->addWidget(c, f + 1, d + 1, Qt::AlignCenter);
            casesDonnees_[f][d] = c;
        }
    }
}

void DialoguePreferences::remplirAfficheurs() {
    ui_->editAfficheurPdf->setText(u(configuration_.afficheurs[kAfficheurPdf]));
    ui_->editAfficheurTxt->setText(u(configuration_.afficheurs[kAfficheurTxt]));
    ui_->editAfficheurRtf->setText(u(configuration_.afficheurs[kAfficheurRtf]));
    ui_->editAfficheurWeb->setText(u(configuration_.afficheurs[kAfficheurWeb]));
}

void DialoguePreferences::remplirSignature() {
    ui_->checkSignature->setChecked(configuration_.signature);
    ui_->editSignature1->setText(u(configuration_.ligneSignature1));
    ui_->editSignature2->setText(u(configuration_.ligneSignature2));
    peindre(ui_->nuanceFondSignature, couleur(configuration_.couleurFondSignature));
}

void DialoguePreferences::relierCouleur(QLabel* nuance, QPushButton* bouton) {
    connect(bouton, &QPushButton::clicked, this, [this, nuance] {
        QColor c = SelecteurFichier::couleur(this, nuanceDe(nuance));
        if (c.isValid()) peindre(nuance, c);
    });
}

void DialoguePreferences::relierChoix() {
    auto fichier = [this](QLineEdit* edit, QPushButton* bouton, const QStringList& filtres) {
        connect(bouton, &QPushButton::clicked, this, [this, edit, filtres] {
            QString c = SelecteurFichier::ouvrir(this, "Sélection", QFileInfo(edit->text()).absolutePath(), filtres);
            if (!c.isEmpty()) edit->setText(c);
        });
    };
    fichier(ui_->editFichierDefaut, ui_->boutonParcourirFichier,
            {"Données généalogiques (*.ged *.fged)", "Fichiers Gedcom (*.ged)", "Fusions Gedcom (*.fged)"});
    // Sous Linux un programme n'a pas d'extension : le filtre montre tout.
    const QStringList applications{"Application (*)"};
    fichier(ui_->editAfficheurPdf, ui_->boutonAfficheurPdf, applications);
    fichier(ui_->editAfficheurTxt, ui_->boutonAfficheurTxt, applications);
    fichier(ui_->editAfficheurRtf, ui_->boutonAfficheurRtf, applications);
    fichier(ui_->editAfficheurWeb, ui_->boutonAfficheurWeb, applications);
    connect(ui_->boutonParcourirPhotos, &QPushButton::clicked, this, [this] {
        QString d = SelecteurFichier::dossier(this, "Sélection", ui_->editDossierPhotos->text());
        if (!d.isEmpty()) ui_->editDossierPhotos->setText(d);
    });
    relierCouleur(ui_->nuanceHommes, ui_->boutonCouleurHommes);
    relierCouleur(ui_->nuanceFemmes, ui_->boutonCouleurFemmes);
    relierCouleur(ui_->nuanceTexte, ui_->boutonCouleurTexte);
    relierCouleur(ui_->nuanceTrait, ui_->boutonCouleurTrait);
    relierCouleur(ui_->nuanceRemplissage, ui_->boutonCouleurRemplissage);
    relierCouleur(ui_->nuanceFondSignature, ui_->boutonCouleurFondSignature);
}

void DialoguePreferences::lireGeneral() {
    configuration_.avisNouvellesVersions = ui_->checkAvis->isChecked() ? std::string(kTexteVersionAvis) : "";
    configuration_.casseAutomatique = ui_->checkCasse->isChecked();
    configuration_.fichierParDefaut = b(ui_->editFichierDefaut->text()).substr(0, kLimiteChemin);
    configuration_.dossierPhotos = b(ui_->editDossierPhotos->text()).substr(0, kLimiteChemin);
    configuration_.fixerPays(ui_->editPays->text().toUpper().toStdString());
}

void DialoguePreferences::lireMiseEnPage() {
    configuration_.compressionArbres = bornerCompression(ui_->spinCompressionArbres->value());
    configuration_.compressionListes = bornerCompression(ui_->spinCompressionListes->value());
    configuration_.compressionTableaux = bornerCompression(ui_->spinCompressionTableaux->value());
    configuration_.espaceMinimal = bornerEspaceMinimal(ui_->spinEspaceMinimal->value());
    configuration_.margeHaut = margeDeLignes(ui_->spinMargeHaut->value());
    configuration_.margeBas = margeDeLignes(ui_->spinMargeBas->value());
    configuration_.margeGauche = margeDeMillimetres(ui_->spinMargeGauche->value());
    configuration_.margeDroite = margeDeMillimetres(ui_->spinMargeDroite->value());
    configuration_.doublesBranchesAscendantes = ui_->checkDoublesAscendantes->isChecked();
    configuration_.doublesBranchesDescendantes = ui_->checkDoublesDescendantes->isChecked();
}

void DialoguePreferences::lireStyles() {
    configuration_.theme = static_cast<std::uint8_t>(std::max(0, ui_->comboTheme->currentIndex()));
    configuration_.themeAuHasard = ui_->checkThemeHasard->isChecked();
    configuration_.police = b(ui_->comboPolice->currentText()).substr(0, kLimitePolice);
    configuration_.policeAuHasard = ui_->checkPoliceHasard->isChecked();
    configuration_.couleurParSexe = ui_->checkCouleurSexe->isChecked();
    configuration_.couleurHommes = rvb(nuanceDe(ui_->nuanceHommes));
    configuration_.couleurFemmes = rvb(nuanceDe(ui_->nuanceFemmes));
    configuration_.couleurTexte = rvb(nuanceDe(ui_->nuanceTexte));
    configuration_.couleurTrait = rvb(nuanceDe(ui_->nuanceTrait));
    configuration_.couleurRemplissage = rvb(nuanceDe(ui_->nuanceRemplissage));
}

void DialoguePreferences::lireDonnees() {
    for (int f = 0; f < 8; ++f) {
        std::uint8_t masque = 0;
        for (int d = 0; d < kFamilles[f].bits; ++d)
            if (casesDonnees_[f][d]->isChecked()) masque = static_cast<std::uint8_t>(masque | (1 << d));
        configuration_.*kFamilles[f].masque = masque;
    }
}

void DialoguePreferences::lireAfficheurs() {
    configuration_.afficheurs[kAfficheurPdf] = b(ui_->editAfficheurPdf->text()).substr(0, kLimiteChemin);
    configuration_.afficheurs[kAfficheurTxt] = b(ui_->editAfficheurTxt->text()).substr(0, kLimiteChemin);
    configuration_.afficheurs[kAfficheurRtf] = b(ui_->editAfficheurRtf->text()).substr(0, kLimiteChemin);
    configuration_.afficheurs[kAfficheurWeb] = b(ui_->editAfficheurWeb->text()).substr(0, kLimiteChemin);
}

void DialoguePreferences::lireSignature() {
    configuration_.signature = ui_->checkSignature->isChecked();
    configuration_.ligneSignature1 = b(ui_->editSignature1->text()).substr(0, kLimiteSignature);
    configuration_.ligneSignature2 = b(ui_->editSignature2->text()).substr(0, kLimiteSignature);
    configuration_.couleurFondSignature = rvb(nuanceDe(ui_->nuanceFondSignature));
}

void DialoguePreferences::accept() {
    lireGeneral();
    lireMiseEnPage();
    lireStyles();
    lireDonnees();
    lireAfficheurs();
    lireSignature();
    QDialog::accept();
}

}  // namespace lignara::gui
