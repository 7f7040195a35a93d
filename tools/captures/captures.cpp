// Outil de capture (hors de la suite d'essais) : ouvre la vraie fenêtre sur l'exemple livré et chaque dialogue, et en
// enregistre une image PNG dans captures/ du dossier de construction, pour regarder chaque
// fenêtre sans cliquer. Le test échoue si une image ne peut pas être écrite.
#include <gtest/gtest.h>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>

#include "documents/ChoixConjoint.h"
#include "documents/arbres/ArbreAscendant.h"
#include "documents/listes/ListeDescendante.h"
#include "documents/PagesOptions.h"
#include "gui/EssaiFenetre.h"
#include "gui/SelectionEssai.h"
#include "commun/Dossiers.h"
#include "reference/ChronologieListe.h"
#include "reglages/ReglagesFichier.h"
#include "render/VersionProgramme.h"
#include "shell/gui/DialogueConjoint.h"
#include "shell/gui/ListeAncree.h"
#include "shell/gui/DialogueNom.h"
#include "shell/gui/FenetrePrincipale.h"
#include "shell/gui/FeuilleProprietes.h"

using lignara::Configuration;
using lignara::gui::BoiteMessage;
using lignara::gui::ExecutionDialogue;
using lignara::gui::FenetrePrincipale;

namespace {

QString dossierCaptures() {
    QDir().mkpath(LIGNARA_DOSSIER_CAPTURES);
    return LIGNARA_DOSSIER_CAPTURES;
}

bool capturer(QWidget& w, const QString& nom) {
    QApplication::processEvents();
    return w.grab().save(dossierCaptures() + "/" + nom + ".png");
}

// Capture le dialogue puis le ferme par Annuler.
std::function<int(QDialog&)> capture(const QString& nom) {
    return [nom](QDialog& d) {
        EXPECT_TRUE(capturer(d, nom)) << nom.toStdString();
        return int(QDialog::Rejected);
    };
}

}  // namespace

TEST(Captures, fenetreEtDialogues) {
    essai::remettreAZero();
    FenetrePrincipale vide(Configuration{}, "");
    vide.show();
    EXPECT_TRUE(capturer(vide, "fenetre-sans-fichier"));

    ExecutionDialogue::simulation() = capture("dialogue-erreurs-gedcom");
    FenetrePrincipale erreurs(Configuration{}, std::string(LIGNARA_DOSSIER_FIXTURES) + "/mari-sans-fams.ged");
    erreurs.executer(1002);

    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.show();
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    EXPECT_TRUE(capturer(f, "fenetre-exemple"));
    for (const char* menu : {"menuArbres", "menuStatistiques", "menuOutils"}) {
        QMenu* m = f.menuBar()->findChild<QMenu*>(menu);
        m->popup(f.mapToGlobal(QPoint(10, 40)));
        EXPECT_TRUE(capturer(*m, QString(menu)));
        m->hide();
    }

    ExecutionDialogue::simulation() = [](QDialog& d) {
        auto* onglets = d.findChild<QTabWidget*>("onglets");
        const char* noms[] = {"general", "mise-en-page", "styles", "donnees", "afficheurs", "signature"};
        for (int i = 0; i < onglets->count(); ++i) {
            onglets->setCurrentIndex(i);
            EXPECT_TRUE(capturer(d, QString("preferences-") + noms[i]));
        }
        return int(QDialog::Rejected);
    };
    f.executer(1081);
    ExecutionDialogue::simulation() = capture("options-du-fichier");
    f.executer(1087);
    ExecutionDialogue::simulation() = capture("categories-professions");
    f.executer(1082);

    lignara::ReglagesFichier favoris;
    favoris.favoris = {
        {"Arbre de Fran\xE7ois", 1, {}}, {"", lignara::Favori::kSeparateur, {}}, {"Roue de Jeanne", 18, {}}};
    lignara::enregistrerReglagesFichier(lignara::dossierConfiguration(), f.fichier().chemin().string(), favoris);
    ExecutionDialogue::simulation() = [](QDialog& d) {
        if (d.objectName() == "DIALOG_MODIF_FAVORI") {
            EXPECT_TRUE(capturer(d, "favori"));
            return int(QDialog::Rejected);
        }
        d.findChild<QListWidget*>("listeFavoris")->setCurrentRow(0);
        EXPECT_TRUE(capturer(d, "favoris"));
        d.findChild<QPushButton*>("boutonModifier")->click();
        return int(QDialog::Rejected);
    };
    f.executer(6801);
    QMenu* menuFavoris = f.menuFavoris();
    menuFavoris->popup(f.mapToGlobal(QPoint(10, 40)));
    EXPECT_TRUE(capturer(*menuFavoris, "menuFavoris"));
    menuFavoris->hide();
    ExecutionDialogue::simulation() = capture("feuille-statistiques-ages");
    f.executer(6723);
    ExecutionDialogue::simulation() = capture("feuille-statistiques-naissances");
    f.executer(6733);
    ExecutionDialogue::simulation() = capture("feuille-trombinoscope");
    f.executer(6505);

    auto aPropos = BoiteMessage::construire(
        &f,
        QString("Lignara v%1%2\n…")
            .arg(QString::fromUtf8(lignara::kVersionProgramme), QString::fromUtf8(lignara::kSuffixeConstruction)),
        "A propos de Lignara", false);
    aPropos->show();
    EXPECT_TRUE(capturer(*aPropos, "boite-message"));
    auto question =
        BoiteMessage::construire(&f, "Ce graphique nécessite plus de 500 pages.\nVoulez-vous continuer ?", "", true);
    question->show();
    EXPECT_TRUE(capturer(*question, "boite-question"));
}

// Sélection des personnes, homonymes, récents, nom, conjoint et feuille de l'arbre ascendant.
TEST(Captures, selectionEtFeuilles) {
    using namespace lignara;
    using namespace lignara::gui;
    essai::remettreAZero();
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.show();
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    ContexteDocument contexte = f.fichier().contexte(true);
    EnvironnementSelection env{contexte, f.fichier().recentes(), [] { return -1; }, [] { return -1; }};

    essai::Aiguillage aiguillage;
    aiguillage.installer();
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        essai::taper(d, "Berthelot", "Jean");
        EXPECT_TRUE(capturer(d, "selection-personne"));
        return essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMHOMO"] = [](QDialog& d) {
        EXPECT_TRUE(capturer(d, "choix-homonymes"));
        return essai::valider(d);
    };
    DialogueSelectionPersonne::selectionner(env, {"Arbre ascendant individuel", -1, false}, &f);

    aiguillage.parNom["DIALOG_LESDERNIERS"] = capture("dernieres-personnes");
    aiguillage.parNom["DIALOG_DEMPERS_DESC"] = [](QDialog& d) {
        essai::element<QPushButton>(d, "boutonDerniers")->click();
        EXPECT_TRUE(capturer(d, "selection-personne-descendant"));
        return int(QDialog::Rejected);
    };
    DialogueSelectionPersonne::selectionner(env, {"Arbre descendant", -1, true}, &f);

    aiguillage.parNom["DIALOG_DEMNOM"] = [](QDialog& d) {
        essai::taper(d, "Dumas");
        EXPECT_TRUE(capturer(d, "choix-nom"));
        return int(QDialog::Rejected);
    };
    DialogueNom::choisir(contexte, "Carte de patronyme", &f);

    SelectionPersonne noms(contexte);
    std::uint32_t francois = 0;
    for (std::uint32_t p = 1; p <= contexte.base->nombreIndividus() && !francois; ++p)
        if (conjointsDistincts(*contexte.base, p).size() > 1) francois = p;
    aiguillage.parNom["DIALOG_DEMCONJOINT"] = capture("choix-conjoint");
    DialogueConjoint::choisir(contexte, francois, 0, &f);

    essai::ArbreEssai arbre{*afficheurDeCode(38)};
    arbre.initialiserParametres(contexte);
    arbre.valeur(kCritereColoration<SorteArbreChromatique::AscendantFamilial>) = std::uint8_t{10};
    arbre.valeur(kFondDePage) = std::string("France");
    EnsemblePersonnes coupees(contexte.base->nombreIndividus());
    for (std::uint32_t p : {3u, 7u, 19u}) coupees.ajouter(p);
    arbre.valeur(kCoupesArbre) = coupees;
    arbre.valeur(kLimiteGenerations) = std::uint8_t{6};
    ListesPage listes;
    const ChronologieListe chronologies = ChronologieListe::livree();
    for (std::size_t i = 1; i < chronologies.entrees().size(); ++i)
        listes.chronologies.push_back(chronologies.entrees()[i].nom);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        auto* onglets = essai::element<QTabWidget>(d, "onglets");
        EXPECT_TRUE(capturer(d, "feuille-arbre-ascendant"));
        onglets->setCurrentIndex(1);
        EXPECT_TRUE(capturer(d, "feuille-coupes"));
        return int(QDialog::Rejected);
    };
    FeuilleProprietes::modifier(arbre, env, listes, &f);

    ListeDescendante liste(*afficheurDeCode(ListeDescendante::kCode));
    liste.initialiserParametres(contexte);
    EnsemblePersonnes reportes(contexte.base->nombreIndividus());
    for (std::uint32_t p : {5u, 21u}) reportes.ajouter(p);
    fixerReports(liste, reportes);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        auto* onglets = essai::element<QTabWidget>(d, "onglets");
        EXPECT_TRUE(capturer(d, "feuille-liste-descendante"));
        onglets->setCurrentIndex(2);
        EXPECT_TRUE(capturer(d, "feuille-reports"));
        return int(QDialog::Rejected);
    };
    FeuilleProprietes::modifier(liste, env, listes, &f);

    essai::ArbreEssai descendant{*afficheurDeCode(2)};
    descendant.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = capture("feuille-arbre-descendant");
    FeuilleProprietes::modifier(descendant, env, listes, &f);
}

// Feuille des fiches des ascendants, lancée depuis la liste : options, taille des photos en
// vignettes au départ, puis la page « Coupes ».
TEST(Captures, feuilleDesFichesIndividuelles) {
    using namespace lignara;
    using namespace lignara::gui;
    essai::remettreAZero();
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.show();
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    bool vignettes = false;
    int onglets = 0;
    ExecutionDialogue::simulation() = [&](QDialog& d) {
        EXPECT_TRUE(capturer(d, "feuille-fiches-individuelles"));
        for (QRadioButton* b : d.findChildren<QRadioButton*>())
            if (b->text() == "Vignettes") vignettes = b->isChecked();
        if (auto* t = d.findChild<QTabWidget*>()) onglets = t->count();
        return int(QDialog::Rejected);
    };
    QMenu* menu = f.listeAncree()->menuPour(5);
    ASSERT_TRUE(menu);
    QAction* fiches = menu->findChild<QAction*>("document6509");
    ASSERT_TRUE(fiches);
    fiches->trigger();
    EXPECT_TRUE(vignettes);
    EXPECT_EQ(onglets, 2);
}
