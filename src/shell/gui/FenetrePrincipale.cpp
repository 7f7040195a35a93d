#include "shell/gui/FenetrePrincipale.h"

#include <filesystem>
#include <functional>
#include <new>
#include <optional>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "documents/Afficheur.h"
#include "documents/PersonneMoi.h"
#include "render/FormatPapier.h"
#include "reglages/FichierReglages.h"
#include "render/VersionProgramme.h"
#include "reglages/RaccordDessin.h"
#include "session/CheminGenealogique.h"
#include "session/CopieDocument.h"
#include "session/DemarrageDossierSortie.h"
#include "shell/gui/Aide.h"
#include "shell/gui/BarreProgressionImport.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/CommandesMenus.h"
#include "shell/gui/Consultation.h"
#include "shell/gui/FenetreListeConsultation.h"
#include "shell/gui/ListeAncree.h"
#include "shell/gui/ModeleListePersonnes.h"
#include "reference/Categories.h"
#include "shell/gui/DialogueCategorie.h"
#include "shell/gui/DialogueErreurGedcom.h"
#include "shell/gui/DialogueOptionsFichier.h"
#include "shell/gui/DialoguesFavoris.h"
#include "shell/gui/DialogueSelectionPersonne.h"
#include "shell/gui/DialoguePreferences.h"
#include "shell/gui/DocumentsFenetre.h"
#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/SelecteurFichier.h"

namespace lignara::gui {
namespace {

constexpr int kPremierFavori = 6802;
constexpr int kNombreFavorisAuMenu = 30;
constexpr const char* kBientotDisponible = "Bientôt disponible";

QString dossierMenu() { return QString::fromStdString((dossierInstallation() / "Menu").string()); }

QString texte1252(const std::string& t) { return QString::fromStdString(versUtf8(t)); }
QString cheminQt(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

// Un texte de menu venu des données (nom de favori, de fichier) : « & » n'y est pas une touche.
QString sansRaccourci(QString texte) { return texte.replace('&', "&&"); }

struct CurseurAttente {
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
};

// Premier fichier .ged ou .fged local d'un glisser-déposer ; vide sinon.
std::string cheminGlisse(const QMimeData* donnees) {
    if (!donnees || !donnees->hasUrls()) return {};
    for (const QUrl& url : donnees->urls()) {
        if (!url.isLocalFile()) continue;
        std::string chemin = url.toLocalFile().toStdString();
        if (estCheminGenealogique(chemin)) return chemin;
    }
    return {};
}

}  // namespace

FenetrePrincipale::FenetrePrincipale(Configuration configuration, std::string cheminDemarrage, QWidget* parent)
    : QMainWindow(parent), cheminDemarrage_(std::move(cheminDemarrage)) {
    setObjectName("fenetrePrincipale");
    setWindowTitle("Lignara");
    setWindowIcon(QIcon(dossierMenu() + "/Icone.png"));
    setAcceptDrops(true);
    resize(650, 510);
    programme_.dossierInstallation = dossierInstallation();
    programme_.dossierSortie = dossierSortieDuProgramme();
    programme_.dossierConfiguration = dossierConfigurationAccessible();
    programme_.configuration = std::move(configuration);
    // Le chemin des préférences est rangé en Windows-1252 ; celui de la ligne de commande en UTF-8.
    if (cheminDemarrage_.empty()) cheminDemarrage_ = versUtf8(programme_.configuration.fichierParDefaut);
    try {
        bool abime = false;
        programme_.compteurs = chargerCompteursUsage(programme_.dossierConfiguration, &abime);
        if (abime) avisUsage_ = messageReglagesAbimes(programme_.dossierConfiguration / "Usage.dwa");
    } catch (const std::exception&) {
    }
    recents_ = FichiersRecents::charger(programme_.dossierConfiguration);

    auto* image = new QLabel(this);
    image->setObjectName("imageDemarrage");
    image->setAlignment(Qt::AlignCenter);
    QPixmap accueil(dossierMenu() + "/Accueil.png");
    if (!accueil.isNull()) image->setPixmap(accueil);
    setCentralWidget(image);

    consultation_ = new Consultation(fichier_, this, [this](const std::function<void()>& action) { proteger(action); });
    listeAncree_ = new ListeAncree(this);
    addDockWidget(Qt::LeftDockWidgetArea, listeAncree_);
    connect(listeAncree_, &ListeAncree::personneChoisie, this,
            [this](std::uint32_t p) { proteger([this, p] { consultation_->ouvrirPersonne(p); }); });
    connect(listeAncree_, &ListeAncree::documentDemande, this, [this](int commande, std::uint32_t p) {
        proteger([this, commande, p] {
            if (fichier_.estOuvert() && !lancerDocument(commande, *this, static_cast<std::int32_t>(p)))
                BoiteMessage::informer(this, "Ce document n'est pas encore disponible");
        });
    });

    construireMenus();
    construireBarreOutils();
    construireBarreEtat();
    mettreAJourMenus();
    connect(&fichier_, &FichierOuvertFenetre::gedcomReecrit, this,
            [this] { BoiteMessage::informer(this, "Le fichier Gedcom a été modifié."); });
    // Les fenêtres de consultation lisent la base de l'ancien fichier, bientôt détruite.
    connect(&fichier_, &FichierOuvertFenetre::fichierRemplace, this, [this] {
        consultation_->toutFermer();
        listeAncree_->detacher();
    });
}

FenetrePrincipale::~FenetrePrincipale() { quitter(); }

// Un échec d'écriture des compteurs ne doit pas empêcher de quitter : ils ne sont qu'indicatifs.
void FenetrePrincipale::quitter() {
    if (quitte_) return;
    quitte_ = true;
    // Les fenêtres de consultation lisent la base : elles partent avant qu'elle ne ferme.
    consultation_->toutFermer();
    listeAncree_->detacher();
    const auto prefixes = prefixesDocuments();
    programme_.quitter(fichier_.noyau(), prefixes);
    fichier_.fermer();
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    quitter();
    evenement->accept();
}

void FenetrePrincipale::dragEnterEvent(QDragEnterEvent* evenement) {
    if (!cheminGlisse(evenement->mimeData()).empty()) evenement->acceptProposedAction();
}

void FenetrePrincipale::dropEvent(QDropEvent* evenement) {
    const std::string chemin = cheminGlisse(evenement->mimeData());
    if (chemin.empty()) return;
    evenement->acceptProposedAction();
    // Après le retour du glisser-déposer : l'import montre sa progression et ses dialogues.
    QTimer::singleShot(0, this, [this, chemin] { ouvrirChemin(chemin); });
}

void FenetrePrincipale::demarrer() {
    QTimer::singleShot(0, this, [this] { ouvrirAuDemarrage(0); });
}

// Une boîte de message montrée avant que le gestionnaire de fenêtres n'ait placé la fenêtre
// se centrerait sur le coin de l'écran : on attend qu'elle soit à l'écran (au plus 2 s).
void FenetrePrincipale::ouvrirAuDemarrage(int tentative) {
    if (windowHandle() && !windowHandle()->isExposed() && tentative < 100) {
        QTimer::singleShot(20, this, [this, tentative] { ouvrirAuDemarrage(tentative + 1); });
        return;
    }
    if (!avisUsage_.empty()) BoiteMessage::informer1252(this, avisUsage_.c_str());
    executer(kCommandeOuvrir);
    demarree_ = true;
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
    ajouterCommande(m, kCommandeOuvrir, "&Ouvrir...")->setShortcut(QKeySequence("Ctrl+O"));
    menuRecents_ = m->addMenu("Fichiers &récents");
    menuRecents_->setObjectName("menuRecents");
    ajouterCommande(m, kCommandeFermer, "&Fermer");
    m->addSeparator();
    ajouterCommande(m, kCommandeEnregistrerSous, "&Enregistrer sous...")->setShortcut(QKeySequence("Ctrl+S"));
    m->addSeparator();
    QMenu* fusion = m->addMenu("F&usion Gedcom");
    // La description des fusions n'existe pas encore : ses deux éléments restent grisés.
    ajouterCommande(fusion, 1004, "&Créer...")->setEnabled(false);
    ajouterCommande(fusion, 1005, "&Modifier...")->setEnabled(false);
    m->addSeparator();
    ajouterCommande(m, kCommandeQuitter, "&Quitter")->setShortcut(QKeySequence("Ctrl+Q"));
    reconstruireRecents();
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
        a->setChecked(id == programme_.configuration.formatPapier);
        formats_->addAction(a);
    }
}

// Un document dont la mise en page n'existe pas encore reste au menu, grisé, avec sa bulle.
void FenetrePrincipale::construireMenusDocuments() {
    for (const MenuDocuments& menu : menusDocuments()) {
        QMenu* m = menuBar()->addMenu(menu.titreMenu);
        m->setObjectName(QString("menu") + menu.titre);
        m->setToolTipsVisible(true);
        std::map<QString, QMenu*> sousMenus;
        for (const ElementMenuDocument& e : menu.elements) {
            QMenu* cible = m;
            if (e.sousMenu) {
                QMenu*& s = sousMenus[e.sousMenu];
                if (!s) {
                    s = m->addMenu(e.sousMenu);
                    s->setToolTipsVisible(true);
                }
                cible = s;
            }
            QAction* a = ajouterCommande(cible, e.identifiant, e.texte);
            const Afficheur* type = afficheurDeCode(e.typeDocument);
            if (e.typeDocument != 0 && (!type || !type->disponible())) {
                a->setEnabled(false);
                a->setToolTip(kBientotDisponible);
            }
        }
        if (menu.bouton == 5009) menuFavoris_ = m;
    }
}

void FenetrePrincipale::construireMenuAide() {
    QMenu* m = menuBar()->addMenu("&?");
    m->setObjectName("menuAide");
    ajouterCommande(m, kCommandeAide, "&Aide sur Lignara")->setShortcut(QKeySequence(Qt::Key_F1));
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

void FenetrePrincipale::construireBarreEtat() {
    etatDocument_ = new QLabel(this);
    etatDocument_->setObjectName("etatDocument");
    etatDocument_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    boutonDossier_ = new QPushButton("Ouvrir le &dossier", this);
    boutonDossier_->setObjectName("boutonDossierDocument");
    boutonDossier_->setVisible(false);
    statusBar()->addWidget(etatDocument_, 1);
    statusBar()->addPermanentWidget(boutonDossier_);
    connect(boutonDossier_, &QPushButton::clicked, this, [this] {
        if (!dernierDocument_.empty())
            Aide::ouvrirAdresse(QUrl::fromLocalFile(cheminQt(dernierDocument_.parent_path())));
    });
}

void FenetrePrincipale::documentProduit(const std::filesystem::path& chemin) {
    dernierDocument_ = chemin;
    etatDocument_->setText("Document enregistré : " + cheminQt(chemin));
    boutonDossier_->setVisible(true);
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
        QAction* a = ajouterCommande(menuFavoris_, kPremierFavori + static_cast<int>(i),
                                     sansRaccourci(texte1252(favoris[i].nom)));
        const Afficheur* type = afficheurDeCode(favoris[i].type);
        if (!type || !type->disponible()) {
            a->setEnabled(false);
            a->setToolTip(kBientotDisponible);
        }
    }
}

// « &1 famille.ged — /home/moi/genealogie » : le nom d'abord, le dossier pour distinguer deux
// fichiers de même nom.
void FenetrePrincipale::reconstruireRecents() {
    for (QAction* a : menuRecents_->actions()) {
        actions_.erase(a->data().toInt());
        menuRecents_->removeAction(a);
        a->deleteLater();
    }
    const auto& liste = recents_.liste();
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const QFileInfo info(cheminQt(liste[i]));
        ajouterCommande(
            menuRecents_, kPremierFichierRecent + static_cast<int>(i),
            QString("&%1 %2 — %3").arg(i + 1).arg(sansRaccourci(info.fileName()), sansRaccourci(info.absolutePath())));
    }
    menuRecents_->setEnabled(!liste.empty());
}

void FenetrePrincipale::mettreAJourMenus() {
    bool ouvert = fichier_.estOuvert();
    for (int id : {kCommandeConsulter, kCommandeFermer, kCommandeOptionsFichier}) action(id)->setEnabled(ouvert);
    for (const MenuDocuments& menu : menusDocuments())
        menuBar()->findChild<QMenu*>(QString("menu") + menu.titre)->menuAction()->setEnabled(ouvert);
    barreOutils_->setVisible(ouvert);
    action(kCommandeEnregistrerSous)->setEnabled(!dernierDocument_.empty());
    listeAncree_->setVisible(ouvert);
    setWindowTitle(ouvert ? QString("Lignara - %1").arg(QFileInfo(cheminQt(fichier_.chemin())).fileName())
                          : QString("Lignara"));
}

void FenetrePrincipale::executer(int commande) {
    proteger([this, commande] { traiterCommande(commande); });
}

void FenetrePrincipale::ouvrirChemin(const std::string& chemin) {
    proteger([this, &chemin] { ouvrirCheminDonne(chemin); });
}

void FenetrePrincipale::proteger(const std::function<void()>& commande) {
    try {
        commande();
    } catch (const std::bad_alloc&) {
        BoiteMessage::informer(this,
                               "Mémoire insuffisante pour effectuer cette opération.\n"
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
        case kCommandeEnregistrerSous: enregistrerSous(); return;
        case kCommandeAide: Aide::ouvrirPage("index.html"); return;
        case kCommandeAPropos: montrerAPropos(); return;
        case kCommandeSiteWeb:
            Aide::ouvrirAdresse(QUrl("https://" + QString::fromStdString(programme_.configuration.serveurMiseAJour)));
            return;
        default: break;
    }
    if (commande >= kFormatNonPagine && commande <= kDernierFormatPapier) {
        programme_.configuration.formatPapier = static_cast<std::uint16_t>(commande);
        return;
    }
    const std::size_t recent = static_cast<std::size_t>(commande - kPremierFichierRecent);
    if (commande >= kPremierFichierRecent && recent < recents_.liste().size()) {
        ouvrirCheminDonne(recents_.liste()[recent].string());
        return;
    }
    if (commande == kCommandeGererFavoris) {
        gererFavoris();
        return;
    }
    if (commande >= kPremierFavori && commande < kPremierFavori + kNombreFavorisAuMenu) {
        executerFavori(static_cast<std::size_t>(commande - kPremierFavori));
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
        case kCommandeConsulter: consultation_->montrerListe(); return;
        case kCommandePreferences: preferences(DialoguePreferences::kGeneral); return;
        case kCommandeProfessions: categories(Categories::kProfessions); return;
        case kCommandeSources: categories(Categories::kSources); return;
        case kCommandeOptionsFichier: optionsFichier(); return;
        default: return;
    }
}

void FenetrePrincipale::preferences(int page) {
    DialoguePreferences dialogue(programme_.configuration, this);
    dialogue.montrerPage(static_cast<DialoguePreferences::Page>(page));
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return;
    programme_.configuration = dialogue.configuration();
    enregistrerConfiguration(programme_.configuration, programme_.dossierConfiguration);
    if (!fichier_.estOuvert()) return;
    fichier_.noyau().afficherNoms(programme_.configuration.casseAutomatique);
    listeAncree_->relire();
    if (consultation_->liste()) consultation_->liste()->modele()->relire();
}

void FenetrePrincipale::categories(int genre) {
    DialogueCategorie dialogue(genre, this);
    ExecutionDialogue::executer(dialogue);
}

// « Moi » se choisit par la sélection des personnes, sans son propre bouton « Moi » quand il
// n'est pas encore défini.
void FenetrePrincipale::optionsFichier() {
    if (!fichier_.estOuvert()) return;
    QString nom = QFileInfo(cheminQt(fichier_.chemin())).fileName();
    const Configuration& configuration = programme_.configuration;
    ContexteDocument contexte = fichier_.contexte(configuration.casseAutomatique);
    // Les homonymes s'y ajustent à la largeur de leur liste, mesurée dans la police des documents.
    contexte.polices = chargerPolicesDesPreferences(configuration, {});
    EnvironnementSelection environnement{
        contexte, fichier_.recentes(), [&] { return personneMoi(fichier_.reglages().moi, contexte); }, {}};
    auto choisirMoi = [&]() -> std::optional<ReferenceMoi> {
        DemandeSelection demande{"Moi", personneMoi(fichier_.reglages().moi, contexte), false};
        PersonneSelectionnee choisie = DialogueSelectionPersonne::selectionner(environnement, demande, this);
        if (choisie.personne <= 0) return std::nullopt;
        return referenceMoi(fichier_.base(), choisie.personne);
    };
    auto nommerMoi = [&](const ReferenceMoi& moi) {
        std::int32_t p = personneMoi(moi, contexte);
        if (p <= 0) return nomDeReferenceMoi(moi);
        SelectionPersonne noms(contexte);
        const auto personne = static_cast<std::uint32_t>(p);
        return texte1252(noms.nomDe(personne) + " " + noms.prenomsDe(personne)) + dateDeReferenceMoi(moi);
    };
    DialogueOptionsFichier dialogue(fichier_.reglages(), nom, this, choisirMoi, nommerMoi);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return;
    fichier_.reglages() = dialogue.reglages();
    fichier_.enregistrerReglages();
    // L'écriture reprend les favoris que la ligne de commande a pu ajouter : le menu doit
    // lancer ceux qu'il nomme.
    reconstruireFavoris();
}

std::int32_t FenetrePrincipale::definirMoi() {
    optionsFichier();
    if (!fichier_.estOuvert()) return -1;
    return personneMoi(fichier_.reglages().moi, fichier_.contexte(programme_.configuration.casseAutomatique));
}

void FenetrePrincipale::commandeDocument(int commande) {
    if (!lancerDocument(commande, *this)) BoiteMessage::informer(this, "Ce document n'est pas encore disponible");
}

// Une copie du dernier document, où l'utilisateur le veut ; sans extension, celle du document.
void FenetrePrincipale::enregistrerSous() {
    if (dernierDocument_.empty()) return;
    const QString extension = cheminQt(dernierDocument_.extension());
    const QString depart =
        (dernierDossier_.isEmpty() ? QDir::homePath() : dernierDossier_) + "/" + cheminQt(dernierDocument_.filename());
    QString choisi = SelecteurFichier::enregistrer(this, "Enregistrer le document sous", depart,
                                                   {"Document (*" + extension + ")", "Tous les fichiers (*)"});
    if (choisi.isEmpty()) return;
    if (QFileInfo(choisi).suffix().isEmpty()) choisi += extension;
    copierDocument(dernierDocument_, std::filesystem::path(choisi.toStdString()));
    etatDocument_->setText("Document enregistré : " + QFileInfo(choisi).absoluteFilePath());
}

// La liste est relue d'abord : la ligne de commande a pu ajouter des favoris depuis l'ouverture.
// Le dialogue travaille sur une copie, rangée et mise au menu seulement sur OK.
void FenetrePrincipale::gererFavoris() {
    if (!fichier_.estOuvert()) return;
    fichier_.noyau().relireFavoris();
    reconstruireFavoris();
    DialogueGestionFavoris dialogue(
        fichier_.reglages().favoris,
        [this](Favori& favori, const std::vector<Favori>& autres) { return modifierFavori(favori, autres); }, this);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return;
    fichier_.reglages().favoris = dialogue.favoris();
    fichier_.enregistrerReglages();
    reconstruireFavoris();
}

bool FenetrePrincipale::modifierFavori(Favori& favori, const std::vector<Favori>& autres) {
    DialogueModifFavori dialogue(favori, autres, this);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return false;
    const Favori avant = favori;
    favori = dialogue.favori();
    // Appelé depuis un bouton du dialogue des favoris : rien ne doit traverser la boucle d'événements.
    try {
        parametrerFavoriFenetre(favori, avant, *this);
    } catch (const OperationImpossible& e) {
        if (e.aUnMessage()) BoiteMessage::informer1252(this, e.what());
        favori.type = avant.type;
        favori.parametres = avant.parametres;
    } catch (const std::bad_alloc&) {
        BoiteMessage::informer(this,
                               "Mémoire insuffisante pour effectuer cette opération.\n"
                               "Arrêter les autres logiciels en cours.");
        favori.type = avant.type;
        favori.parametres = avant.parametres;
    }
    return true;
}

// Copie du favori : le document peut ouvrir des dialogues pendant lesquels rien ne doit
// changer sous lui.
void FenetrePrincipale::executerFavori(std::size_t indice) {
    if (!fichier_.estOuvert()) return;
    const auto& favoris = fichier_.reglages().favoris;
    if (indice >= favoris.size()) return;
    const Favori favori = favoris[indice];
    lancerFavoriFenetre(favori, *this);
}

void FenetrePrincipale::montrerAPropos() {
    QString texte = QString(
                        "Lignara v%1%2\n"
                        "Documents généalogiques à partir de fichiers Gedcom.\n\n"
                        "Répertoire de configuration : %3")
                        .arg(QString::fromUtf8(kVersionProgramme), QString::fromUtf8(kSuffixeConstruction),
                             cheminQt(programme_.dossierConfiguration));
    BoiteMessage::informer(this, texte, "A propos de Lignara");
}

// Un chemin choisi ou donné : inconnu, il est nommé et rien n'est ouvert (vide) ; d'une autre
// extension, il est refusé ; sinon rendu absolu.
std::string FenetrePrincipale::verifierChemin(const std::string& chemin) {
    const QFileInfo info(QString::fromStdString(chemin));
    if (!info.isFile()) {
        BoiteMessage::informer(this,
                               "Fichier inconnu : " + info.absoluteFilePath() +
                                   "\nVous devez sélectionner un fichier Gedcom (.ged) ou une fusion Gedcom (.fged).");
        return {};
    }
    dernierDossier_ = info.absolutePath();
    if (!estCheminGenealogique(chemin)) {
        BoiteMessage::informer(this,
                               "Seuls les fichiers Gedcom (.ged) ou les fusions Gedcom "
                               "(.fged) peuvent être ouverts avec Lignara");
        return {};
    }
    return info.absoluteFilePath().toStdString();
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
                {"Données généalogiques (*.ged *.fged)", "Fichiers Gedcom (*.ged)", "Fusions Gedcom (*.fged)"});
            if (choisi.isEmpty()) return {};
            chemin = QFileInfo(choisi).absoluteFilePath().toStdString();
        }
        const bool existe = QFileInfo(QString::fromStdString(chemin)).isFile();
        std::string verifie = verifierChemin(chemin);
        if (existe) return verifie;
        chemin.clear();
    }
}

// Le fichier ouvert le reste tant qu'un autre n'a pas été ouvert : annuler le sélecteur,
// choisir un fichier refusé ou que l'import refuse ne le ferme pas.
void FenetrePrincipale::ouvrirFichier() {
    std::string chemin = choisirFichier();
    if (!chemin.empty()) importer(chemin);
}

void FenetrePrincipale::ouvrirCheminDonne(const std::string& chemin) {
    premiereOuverture_ = false;
    const std::string verifie = verifierChemin(chemin);
    if (!verifie.empty()) {
        importer(verifie);
    } else if (!QFileInfo(QString::fromStdString(chemin)).isFile()) {
        // Un fichier récent disparu quitte la liste.
        recents_.oublier(chemin);
        recents_.enregistrer(programme_.dossierConfiguration);
        reconstruireRecents();
    }
}

void FenetrePrincipale::importer(const std::string& chemin) {
    OptionsOuverture options;
    options.casseAutomatique = programme_.configuration.casseAutomatique;
    options.paysParDefaut = paysDesPreferences(programme_.configuration);
    std::string rapport;
    options.montrerErreurs = [&rapport](const std::string& r) { rapport = r; };
    {
        BarreProgressionImport barre(centralWidget());
        options.progression = barre.rappel();
        CurseurAttente curseur;
        fichier_.ouvrir(chemin, options);
    }
    recents_.retenir(fichier_.chemin());
    recents_.enregistrer(programme_.dossierConfiguration);
    reconstruireRecents();
    reconstruireFavoris();
    listeAncree_->attacher(fichier_.base(), fichier_.noyau().indexNoms(),
                           [this]() -> const IndexNomsLarges& { return fichier_.noyau().indexNomsLarges(); });
    resizeDocks({listeAncree_}, {440}, Qt::Horizontal);
    if (!rapport.empty()) {
        DialogueErreurGedcom dialogue(rapport, this);
        ExecutionDialogue::executer(dialogue);
    }
}

// Les fenêtres qui lisent la base partent avant elle.
void FenetrePrincipale::fermerFichier() {
    consultation_->toutFermer();
    listeAncree_->detacher();
    fichier_.fermer();
    reconstruireFavoris();
}

}  // namespace lignara::gui
