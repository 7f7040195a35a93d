#include "shell/gui/FenetrePrincipale.h"

#include <filesystem>
#include <new>
#include <optional>

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "documents/PersonneMoi.h"
#include "render/FormatPapier.h"
#include "reglages/FichierReglages.h"
#include "reglages/RaccordDessin.h"
#include "session/CheminGenealogique.h"
#include "shell/gui/Aide.h"
#include "shell/gui/BarreProgressionImport.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/CommandesMenus.h"
#include "reference/Categories.h"
#include "shell/gui/DialogueCategorie.h"
#include "shell/gui/DialogueErreurGedcom.h"
#include "shell/gui/DialogueOptionsFichier.h"
#include "shell/gui/DialogueSelectionPersonne.h"
#include "shell/gui/DialoguePreferences.h"
#include "shell/gui/DocumentsFenetre.h"
#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/SelecteurFichier.h"

namespace lignara::gui {
namespace {

constexpr int kPremierFavori = 6802;
constexpr int kNombreFavorisAuMenu = 30;

QString dossierMenu() {
    return QString::fromStdString((dossierInstallation() / "Menu").string());
}

QString texte1252(const std::string& t) { return QString::fromStdString(versUtf8(t)); }

struct CurseurAttente {
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

FenetrePrincipale::FenetrePrincipale(Configuration configuration, std::string cheminDemarrage,
                                     QWidget* parent)
    : QMainWindow(parent), configuration_(std::move(configuration)),
      cheminDemarrage_(std::move(cheminDemarrage)) {
    setObjectName("fenetrePrincipale");
    setWindowTitle("Lignara");
    resize(650, 510);
    if (cheminDemarrage_.empty()) cheminDemarrage_ = configuration_.fichierParDefaut;
    try {
        bool abime = false;
        compteurs_ = chargerCompteursUsage(dossierConfigurationAccessible(), &abime);
        if (abime) avisUsage_ = messageReglagesAbimes(dossierConfigurationAccessible() / "Usage.dwa");
    } catch (const std::exception&) {
    }

    auto* image = new QLabel(this);
    image->setObjectName("imageDemarrage");
    image->setAlignment(Qt::AlignCenter);
    QPixmap accueil(dossierMenu() + "/Accueil.png");
    if (!accueil.isNull()) image->setPixmap(accueil);
    setCentralWidget(image);

    construireMenus();
    construireBarreOutils();
    mettreAJourMenus();
    connect(&fichier_, &FichierOuvertFenetre::gedcomReecrit, this, [this] {
        BoiteMessage::informer(this, "Le fichier Gedcom a été modifié.");
    });
}

// Un échec d'écriture des compteurs ne doit pas empêcher de quitter : ils ne sont qu'indicatifs.
FenetrePrincipale::~FenetrePrincipale() {
    try {
        enregistrerCompteursUsage(compteurs_, dossierConfigurationAccessible());
    } catch (const std::exception&) {
    }
}

void FenetrePrincipale::demarrer() {
    QTimer::singleShot(0, this, [this] {
        if (!avisUsage_.empty()) BoiteMessage::informer1252(this, avisUsage_.c_str());
        executer(kCommandeOuvrir);
        demarree_ = true;
    });
}

QAction* FenetrePrincipale::action(int commande) const {
    auto it = actions_.find(commande);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* FenetrePrincipale::ajouterCommande(QMenu* menu, int commande, const QString& texte) {
    QAction* a = menu->addAction(texte);
    a->setObjectName(QString("commande%1").arg(commande));
    a->setData(commande);
    actions_[commande] = a;
    connect(a, &QAction::triggered, this, [this, commande] { executer(commande); });
    return a;
}

void FenetrePrincipale::construireMenus() {
    construireMenuFichier();
    construireMenuOutils();
    construireMenusDocuments();
    construireMenuAide();
}

void FenetrePrincipale::construireMenuFichier() {
    QMenu* m = menuBar()->addMenu("&Fichier");
    m->setObjectName("menuFichier");
    ajouterCommande(m, kCommandeConsulter, "&Consulter");
    ajouterCommande(m, kCommandeOuvrir, "&Ouvrir...");
    ajouterCommande(m, kCommandeFermer, "&Fermer");
    m->addSeparator();
    QMenu* fusion = m->addMenu("&Fusion Gedcom");
    // La description des fusions n'existe pas encore : ses deux éléments restent grisés.
    ajouterCommande(fusion, 1004, "&Créer...")->setEnabled(false);
    ajouterCommande(fusion, 1005, "&Modifier...")->setEnabled(false);
    m->addSeparator();
    ajouterCommande(m, kCommandeQuitter, "&Quitter");
}

void FenetrePrincipale::construireMenuOutils() {
    QMenu* m = menuBar()->addMenu("&Outils");
    m->setObjectName("menuOutils");
    ajouterCommande(m, kCommandePreferences, "&Préférences...");
    ajouterCommande(m, kCommandeProfessions, "P&rofessions...");
    ajouterCommande(m, kCommandeSources, "&Sources...");
    ajouterCommande(m, kCommandeChronologies, "&Chronologies...")->setEnabled(false);
    construireMenuFormats(m);
    m->addSeparator();
    ajouterCommande(m, kCommandeOptionsFichier, "&Options du fichier...");
}

void FenetrePrincipale::construireMenuFormats(QMenu* outils) {
    QMenu* m = outils->addMenu("&Format feuille");
    m->setObjectName("menuFormatFeuille");
    formats_ = new QActionGroup(this);
    formats_->setExclusive(true);
    for (int id = kFormatNonPagine; id <= kDernierFormatPapier; ++id) {
        auto format = formatPapier(static_cast<std::int16_t>(id));
        if (!format) continue;
        if (id == 1703 || id == 1708 || id == 1720) m->addSeparator();
        QAction* a = ajouterCommande(m, id, QString::fromStdString(versUtf8(format->nom)));
        a->setCheckable(true);
        a->setChecked(id == configuration_.formatPapier);
        formats_->addAction(a);
    }
}

void FenetrePrincipale::construireMenusDocuments() {
    for (const MenuDocuments& menu : menusDocuments()) {
        QMenu* m = menuBar()->addMenu(QString("&") + menu.titre);
        m->setObjectName(QString("menu") + menu.titre);
        std::map<QString, QMenu*> sousMenus;
        for (const ElementMenuDocument& e : menu.elements) {
            QMenu* cible = m;
            if (e.sousMenu) {
                QMenu*& s = sousMenus[e.sousMenu];
                if (!s) s = m->addMenu(e.sousMenu);
                cible = s;
            }
            ajouterCommande(cible, e.identifiant, e.texte);
        }
        if (menu.bouton == 5009) menuFavoris_ = m;
    }
}

void FenetrePrincipale::construireMenuAide() {
    QMenu* m = menuBar()->addMenu("&?");
    m->setObjectName("menuAide");
    ajouterCommande(m, kCommandeAide, "&Aide sur Lignara");
    ajouterCommande(m, kCommandeAPropos, "A &propos de Lignara...");
    ajouterCommande(m, kCommandeSiteWeb, "&Site web de Lignara");
}

// Chaque bouton déroule le menu de même titre ; l'image « -m » le montre enfoncé pendant que
// son menu est ouvert. Une image absente laisse le bouton sans image, mais utilisable.
void FenetrePrincipale::construireBarreOutils() {
    barreOutils_ = addToolBar("Documents");
    barreOutils_->setObjectName("barreOutils");
    barreOutils_->setMovable(false);
    barreOutils_->setIconSize(QSize(60, 38));
    barreOutils_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const MenuDocuments& menu : menusDocuments()) {
        auto* bouton = new QToolButton(barreOutils_);
        bouton->setObjectName(QString("bouton%1").arg(menu.bouton));
        bouton->setText(menu.titre);
        bouton->setPopupMode(QToolButton::InstantPopup);
        bouton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        QMenu* m = menuBar()->findChild<QMenu*>(QString("menu") + menu.titre);
        bouton->setMenu(m);
        QIcon normal(dossierMenu() + "/" + menu.image + ".png");
        QIcon enfonce(dossierMenu() + "/" + menu.image + "-m.png");
        if (!QFileInfo::exists(dossierMenu() + "/" + menu.image + ".png")) normal = QIcon();
        if (!QFileInfo::exists(dossierMenu() + "/" + menu.image + "-m.png")) enfonce = normal;
        bouton->setIcon(normal);
        connect(m, &QMenu::aboutToShow, bouton, [bouton, enfonce] { bouton->setIcon(enfonce); });
        connect(m, &QMenu::aboutToHide, bouton, [bouton, normal] { bouton->setIcon(normal); });
        barreOutils_->addWidget(bouton);
    }
}

void FenetrePrincipale::reconstruireFavoris() {
    for (QAction* a : menuFavoris_->actions()) {
        int id = a->data().toInt();
        if (id != kCommandeGererFavoris) {
            actions_.erase(id);
            menuFavoris_->removeAction(a);
            a->deleteLater();
        }
    }
    if (!fichier_.estOuvert()) return;
    const auto& favoris = fichier_.reglages().favoris;
    if (!favoris.empty()) menuFavoris_->addSeparator();
    // Au-delà du trentième, un favori reste dans la liste sans commande de menu.
    for (std::size_t i = 0; i < favoris.size() && i < kNombreFavorisAuMenu; ++i) {
        if (favoris[i].type == 255) {
            menuFavoris_->addSeparator();
            continue;
        }
        ajouterCommande(menuFavoris_, kPremierFavori + static_cast<int>(i), texte1252(favoris[i].nom));
    }
}

void FenetrePrincipale::mettreAJourMenus() {
    bool ouvert = fichier_.estOuvert();
    for (int id : {kCommandeConsulter, kCommandeFermer, kCommandeOptionsFichier})
        action(id)->setEnabled(ouvert);
    for (const MenuDocuments& menu : menusDocuments())
        menuBar()->findChild<QMenu*>(QString("menu") + menu.titre)->menuAction()->setEnabled(ouvert);
    barreOutils_->setVisible(ouvert);
    setWindowTitle(ouvert ? QString("Lignara - %1").arg(QFileInfo(QString::fromStdString(
                                                              fichier_.chemin().string())).fileName())
                          : QString("Lignara"));
}

void FenetrePrincipale::executer(int commande) {
    try {
        traiterCommande(commande);
    } catch (const std::bad_alloc&) {
        BoiteMessage::informer(this, "Mémoire insuffisante pour effectuer cette opération.\n"
                                     "Arrêter les autres logiciels en cours.");
    } catch (const DonneesCorrompues&) {
        BoiteMessage::informer(this, "Fichiers de données corrompus");
        QApplication::exit(1);
    } catch (const CategoriesIncorrectes& e) {
        BoiteMessage::informer1252(this, e.what());
        categories(e.genre());
    } catch (const OperationImpossible& e) {
        if (e.aUnMessage()) BoiteMessage::informer1252(this, e.what());
    }
    mettreAJourMenus();
}

void FenetrePrincipale::traiterCommande(int commande) {
    switch (commande) {
    case kCommandeOuvrir: ouvrirFichier(); return;
    case kCommandeFermer: fermerFichier(); return;
    case kCommandeQuitter: close(); return;
    case kCommandeAide: Aide::ouvrirPage("index.html"); return;
    case kCommandeAPropos: montrerAPropos(); return;
    case kCommandeSiteWeb:
        Aide::ouvrirAdresse(QUrl("https://" + QString::fromStdString(configuration_.serveurMiseAJour)));
        return;
    default: break;
    }
    if (commande >= kFormatNonPagine && commande <= kDernierFormatPapier) {
        configuration_.formatPapier = static_cast<std::uint16_t>(commande);
        return;
    }
    if (commande >= 6101 && commande <= 6831) {
        if (fichier_.estOuvert()) commandeDocument(commande);
        return;
    }
    traiterCommandeOutils(commande);
}

void FenetrePrincipale::traiterCommandeOutils(int commande) {
    switch (commande) {
    case kCommandeConsulter:
        if (fichier_.estOuvert()) BoiteMessage::informer(this, "La consultation n'est pas encore disponible");
        return;
    case kCommandePreferences: preferences(DialoguePreferences::kGeneral); return;
    case kCommandeProfessions: categories(Categories::kProfessions); return;
    case kCommandeSources: categories(Categories::kSources); return;
    case kCommandeOptionsFichier: optionsFichier(); return;
    default: return;
    }
}

void FenetrePrincipale::preferences(int page) {
    DialoguePreferences dialogue(configuration_, this);
    dialogue.montrerPage(static_cast<DialoguePreferences::Page>(page));
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return;
    configuration_ = dialogue.configuration();
    enregistrerConfiguration(configuration_, dossierConfigurationAccessible());
    if (fichier_.estOuvert()) fichier_.noyau().afficherNoms(configuration_.casseAutomatique);
}

void FenetrePrincipale::categories(int genre) {
    DialogueCategorie dialogue(genre, this);
    ExecutionDialogue::executer(dialogue);
}

// « Moi » se choisit par la sélection des personnes, sans son propre bouton « Moi » quand il
// n'est pas encore défini.
void FenetrePrincipale::optionsFichier() {
    if (!fichier_.estOuvert()) return;
    QString nom = QFileInfo(QString::fromStdString(fichier_.chemin().string())).fileName();
    ContexteDocument contexte = fichier_.contexte(configuration_.casseAutomatique);
    // Les homonymes s'y ajustent à la largeur de leur liste, mesurée dans la police des documents.
    contexte.polices = chargerPolicesDesPreferences(configuration_, {});
    EnvironnementSelection environnement{contexte, fichier_.recentes(),
                                         [&] { return personneMoi(fichier_.reglages().moi, contexte); }, {}};
    auto choisirMoi = [&]() -> std::optional<ReferenceMoi> {
        DemandeSelection demande{"Individu associé au bouton 'Moi'", personneMoi(fichier_.reglages().moi, contexte), false};
        PersonneSelectionnee choisie = DialogueSelectionPersonne::selectionner(environnement, demande, this);
        if (choisie.personne <= 0) return std::nullopt;
        return referenceMoi(fichier_.base(), choisie.personne);
    };
    auto nommerMoi = [&](const ReferenceMoi& moi) {
        std::int32_t p = personneMoi(moi, contexte);
        if (p <= 0) return nomDeReferenceMoi(moi);
        SelectionPersonne noms(contexte);
        QString texte = texte1252(noms.nomDe(static_cast<std::uint32_t>(p)) + " " + noms.prenomsDe(static_cast<std::uint32_t>(p)));
        if (moi.annee) texte += QString(" (%1/%2/%3)").arg(moi.jour).arg(moi.mois).arg(moi.annee);
        return texte;
    };
    DialogueOptionsFichier dialogue(fichier_.reglages(), nom, this, choisirMoi, nommerMoi);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return;
    fichier_.reglages() = dialogue.reglages();
    fichier_.enregistrerReglages();
}

std::int32_t FenetrePrincipale::definirMoi() {
    optionsFichier();
    if (!fichier_.estOuvert()) return -1;
    return personneMoi(fichier_.reglages().moi, fichier_.contexte(configuration_.casseAutomatique));
}

void FenetrePrincipale::commandeDocument(int commande) {
    if (!lancerDocument(commande, *this)) BoiteMessage::informer(this, "Ce document n'est pas encore disponible");
}

void FenetrePrincipale::montrerAPropos() {
    QString texte = QString("Lignara v%1\n"
                            "Documents généalogiques à partir de fichiers Gedcom.\n\n"
                            "Répertoire de configuration : %2")
                        .arg(LIGNARA_VERSION, QString::fromStdString(dossierConfiguration().string()));
    BoiteMessage::informer(this, texte, "A propos de Lignara");
}

// Premier passage : le fichier de la ligne de commande ou des préférences ; ensuite, ou
// quand il n'y en a pas, le sélecteur. Un fichier inconnu ramène au sélecteur.
std::string FenetrePrincipale::choisirFichier() {
    std::string chemin;
    if (premiereOuverture_) chemin = cheminDemarrage_;
    premiereOuverture_ = false;
    for (;;) {
        if (chemin.empty()) {
            QString choisi = SelecteurFichier::ouvrir(
                this, "Sélection", dernierDossier_,
                {"Données généalogiques (*.ged *.fged)", "Fichiers Gedcom (*.ged)",
                 "Fusions Gedcom (*.fged)"});
            if (choisi.isEmpty()) return {};
            chemin = QFileInfo(choisi).absoluteFilePath().toStdString();
        }
        if (QFileInfo(QString::fromStdString(chemin)).isFile()) break;
        BoiteMessage::informer(this, "Fichier inconnu.\nVous devez sélectionner un fichier Gedcom "
                                     "(.ged) ou une fusion Gedcom (.fged).");
        chemin.clear();
    }
    dernierDossier_ = QFileInfo(QString::fromStdString(chemin)).absolutePath();
    if (!estCheminGenealogique(chemin)) {
        BoiteMessage::informer(this, "Seuls les fichiers Gedcom (.ged) ou les fusions Gedcom "
                                     "(.fged) peuvent être ouverts avec Lignara");
        return {};
    }
    return QFileInfo(QString::fromStdString(chemin)).absoluteFilePath().toStdString();
}

void FenetrePrincipale::ouvrirFichier() {
    fermerFichier();
    std::string chemin = choisirFichier();
    if (chemin.empty()) return;
    importer(chemin);
    reconstruireFavoris();
}

void FenetrePrincipale::importer(const std::string& chemin) {
    OptionsOuverture options;
    options.casseAutomatique = configuration_.casseAutomatique;
    std::string rapport;
    options.montrerErreurs = [&rapport](const std::string& r) { rapport = r; };
    {
        BarreProgressionImport barre(centralWidget());
        options.progression = barre.rappel();
        CurseurAttente curseur;
        fichier_.ouvrir(chemin, options);
    }
    if (!rapport.empty()) {
        DialogueErreurGedcom dialogue(rapport, this);
        ExecutionDialogue::executer(dialogue);
    }
}

void FenetrePrincipale::fermerFichier() {
    fichier_.fermer();
    reconstruireFavoris();
}

}  // namespace lignara::gui
