// Ce qu'on attend d'un programme fini : lettres Alt uniques et raccourcis, fichiers récents,
// glisser-déposer, icône, un fichier ouvert qui le reste tant qu'un autre ne
// l'a pas remplacé, documents indisponibles grisés, une seule version.
#include <fstream>
#include <map>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>

#include "commun/Dossiers.h"
#include "documents/Afficheur.h"
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

// La lettre Alt d'un texte de menu (« && » n'en est pas une), en minuscule ; nulle sans lettre.
QChar lettreAlt(const QString& texte) {
    for (int i = 0; i + 1 < texte.size(); ++i) {
        if (texte[i] != '&') continue;
        if (texte[i + 1] != '&') return texte[i + 1].toLower();
        ++i;
    }
    return {};
}

void verifierLettresUniques(QMenu* menu) {
    std::map<QChar, QString> vues;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        const QChar c = lettreAlt(a->text());
        if (!c.isNull()) {
            EXPECT_FALSE(vues.count(c)) << menu->title().toStdString() << " : " << a->text().toStdString() << " et "
                                        << vues[c].toStdString();
            vues[c] = a->text();
        }
        if (a->menu()) verifierLettresUniques(a->menu());
    }
}

}  // namespace

TEST_F(Habitudes, chaqueMenuALettresAltUniquesEtLesCommandesCourantesLeursRaccourcis) {
    FenetrePrincipale f(Configuration{}, "");
    std::map<QChar, QString> barre;
    for (QAction* a : f.menuBar()->actions()) {
        const QChar c = lettreAlt(a->text());
        ASSERT_FALSE(c.isNull()) << a->text().toStdString();
        EXPECT_FALSE(barre.count(c)) << a->text().toStdString() << " et " << barre[c].toStdString();
        barre[c] = a->text();
        verifierLettresUniques(a->menu());
    }
    EXPECT_EQ(f.action(1002)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(f.action(1091)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_FALSE(f.windowIcon().pixmap(32, 32).isNull());  // l'image livrée est bien lue
}

TEST_F(Habitudes, unDocumentSansMiseEnPageEstGriseAvecSaBulle) {
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    int grises = 0, actifs = 0;
    for (const auto& menu : lignara::gui::menusDocuments())
        for (const auto& e : menu.elements) {
            if (e.typeDocument == 0) continue;
            const lignara::Afficheur* type = lignara::afficheurDeCode(e.typeDocument);
            ASSERT_NE(type, nullptr);
            QAction* a = f.action(e.identifiant);
            EXPECT_EQ(a->isEnabled(), type->disponible()) << e.identifiant;
            EXPECT_EQ(a->toolTip() == "Bientôt disponible", !type->disponible()) << e.identifiant;
            (type->disponible() ? actifs : grises)++;
        }
    EXPECT_GT(actifs, 0);
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
    EXPECT_EQ(BoiteMessage::montres().value(0),
              "Le fichier " + QString::fromStdString((dossier.chemin / "courses.ged").string()) +
                  " n'est pas un fichier Gedcom :\nil ne commence pas par la ligne « 0 HEAD ».");
}

TEST_F(Habitudes, lesHuitDerniersFichiersOuvertsSeRouvrentDuMenuEtUnDisparuEnSort) {
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
    for (int i = 0; i < 10; ++i) f.ouvrirChemin(copie("f" + std::to_string(i) + ".ged"));
    EXPECT_EQ(f.menuRecents()->actions().size(), 8);
    EXPECT_TRUE(f.menuRecents()->actions()[0]->text().startsWith("&1 f9.ged"));
}

TEST_F(Habitudes, unFichierGedcomDeposeSurLaFenetreSOuvre) {
    const std::string a = copie("depose.ged");
    std::ofstream(dossier.chemin / "image.png") << "pas un gedcom";
    FenetrePrincipale f(Configuration{}, "");
    QMimeData image;
    image.setUrls({QUrl::fromLocalFile(QString::fromStdString((dossier.chemin / "image.png").string()))});
    QDragEnterEvent refuse(QPoint(5, 5), Qt::CopyAction, &image, Qt::LeftButton, Qt::NoModifier);
    refuse.ignore();
    QApplication::sendEvent(&f, &refuse);
    EXPECT_FALSE(refuse.isAccepted());

    QMimeData gedcom;
    gedcom.setUrls({QUrl::fromLocalFile(QString::fromStdString(a))});
    QDragEnterEvent entree(QPoint(5, 5), Qt::CopyAction, &gedcom, Qt::LeftButton, Qt::NoModifier);
    entree.ignore();
    QApplication::sendEvent(&f, &entree);
    EXPECT_TRUE(entree.isAccepted());
    QDropEvent depot(QPointF(5, 5), Qt::CopyAction, &gedcom, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &depot);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.fichier().estOuvert(); }, 10000));
    EXPECT_EQ(f.fichier().chemin(), fs::path(a));
}

TEST(OptionsFichier, laDateDeMoiSeReduitACeQuOnEnSait) {
    using lignara::gui::dateDeReferenceMoi;
    EXPECT_EQ(dateDeReferenceMoi({"GAUTHIER\x1fPhilippe", 0, 0, 1947}), " (1947)");
    EXPECT_EQ(dateDeReferenceMoi({"GAUTHIER\x1fPhilippe", 2, 3, 1947}), " (02/03/1947)");
    EXPECT_EQ(dateDeReferenceMoi({"GAUTHIER\x1fPhilippe", 0, 0, 0}), "");
    EXPECT_EQ(lignara::gui::nomDeReferenceMoi({"GAUTHIER\x1fPhilippe", 0, 0, 1947}), "GAUTHIER Philippe (1947)");
}
