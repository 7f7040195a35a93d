// Ce qu'on attend d'un programme fini : lettres Alt uniques, raccourcis, fichiers récents, un
// fichier ouvert qui le reste tant qu'un autre ne l'a pas remplacé, les textes de Qt en français.
#include <fstream>
#include <map>

#include <gtest/gtest.h>
#include <QColorDialog>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "commun/Dossiers.h"
#include "gui/EssaiFenetre.h"
#include "shell/gui/CommandesMenus.h"
#include "shell/gui/DialogueOptionsFichier.h"
#include "shell/gui/FenetrePrincipale.h"

using lignara::Configuration;
using lignara::gui::BoiteMessage;
using lignara::gui::FenetrePrincipale;
using lignara::gui::SelecteurFichier;

namespace {

namespace fs = std::filesystem;

struct Habitudes : ::testing::Test {
    essai::DossierTemporaire dossier{"habitudes"};
    void SetUp() override { essai::remettreAZero(); }
    void TearDown() override { fs::remove(lignara::dossierConfigurationAccessible() / "Recents.txt"); }
    // Une copie de l'exemple livré, sous un autre nom.
    std::string copie(const std::string& nom) {
        const fs::path chemin = dossier.chemin / nom;
        fs::copy_file(essai::exempleLivre(), chemin, fs::copy_options::overwrite_existing);
        return chemin.string();
    }
};

// Lettres Alt uniques dans chaque menu, sous-menus compris (« && » n'en est pas une).
void verifierLettresUniques(const QList<QAction*>& actions) {
    std::map<QChar, QString> vues;
    for (QAction* a : actions) {
        const QString texte = QString(a->text()).remove("&&");
        const qsizetype i = texte.indexOf('&');
        if (i >= 0 && i + 1 < texte.size()) {
            const QChar c = texte[i + 1].toLower();
            EXPECT_FALSE(vues.count(c)) << a->text().toStdString() << " et " << vues[c].toStdString();
            vues[c] = a->text();
        }
        if (a->menu()) verifierLettresUniques(a->menu()->actions());
    }
}

}  // namespace

TEST_F(Habitudes, chaqueMenuALettresAltUniquesEtLesCommandesCourantesLeursRaccourcis) {
    FenetrePrincipale f(Configuration{}, "");
    verifierLettresUniques(f.menuBar()->actions());
    EXPECT_EQ(f.action(1002)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_FALSE(f.windowIcon().pixmap(32, 32).isNull());  // l'image livrée est bien lue
}

TEST_F(Habitudes, annulerOuChoisirUnFichierRefuseLaisseLeFichierOuvert) {
    std::ofstream(dossier.chemin / "courses.ged") << "Liste des courses\n0 oeufs\n1 pain\n";
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    SelecteurFichier::reponses() = {""};
    f.executer(1002);
    EXPECT_TRUE(f.fichier().estOuvert());
    SelecteurFichier::reponses() = {QString::fromStdString((dossier.chemin / "courses.ged").string())};
    f.executer(1002);
    EXPECT_EQ(f.fichier().base().nombreIndividus(), 80u);
    EXPECT_TRUE(BoiteMessage::montres().value(0).contains("n'est pas un fichier Gedcom"));  // texte essayé par l'import
}

TEST_F(Habitudes, lesDerniersFichiersOuvertsSeRouvrentDuMenuEtUnDisparuEnSort) {
    const std::string a = copie("a.ged"), b = copie("b.ged");
    {
        FenetrePrincipale f(Configuration{}, a);
        f.executer(1002);
        f.ouvrirChemin(b);
        ASSERT_EQ(f.menuRecents()->actions().size(), 2);
        EXPECT_TRUE(f.menuRecents()->actions()[1]->text().startsWith("&2 a.ged — "));
    }
    FenetrePrincipale f(Configuration{}, "");  // la liste survit à la fenêtre
    ASSERT_EQ(f.menuRecents()->actions().size(), 2);
    f.action(lignara::gui::kPremierFichierRecent + 1)->trigger();
    EXPECT_EQ(f.fichier().chemin(), fs::path(a));
    fs::remove(b);
    f.action(lignara::gui::kPremierFichierRecent + 1)->trigger();
    EXPECT_EQ(f.fichier().chemin(), fs::path(a));  // rien d'autre d'ouvert
    EXPECT_EQ(f.menuRecents()->actions().size(), 1);
}

TEST(OptionsFichier, laDateDeMoiSeReduitACeQuOnEnSait) {
    using lignara::gui::dateDeReferenceMoi;
    EXPECT_EQ(dateDeReferenceMoi({"GAUTHIER\x1fPhilippe", 0, 0, 1947}), " (1947)");
    EXPECT_EQ(dateDeReferenceMoi({"GAUTHIER\x1fPhilippe", 2, 3, 1947}), " (02/03/1947)");
    EXPECT_EQ(dateDeReferenceMoi({"GAUTHIER\x1fPhilippe", 0, 0, 0}), "");
    EXPECT_EQ(lignara::gui::nomDeReferenceMoi({"GAUTHIER\x1fPhilippe", 0, 0, 1947}), "GAUTHIER Philippe (1947)");
}

// Traduction de Qt chargée comme le programme la charge (tests/gui/main.cpp).
TEST(TraductionsQt, lesDialoguesEtMessagesDeQtSontEnFrancais) {
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nom de fichier :");
    EXPECT_EQ(QColorDialog().windowTitle(), "Sélectionner une couleur");
}
