// Outil de capture : ouvre la vraie fenêtre sur l'exemple livré et chaque dialogue, et en
// enregistre une image PNG dans captures/ du dossier de construction, pour regarder chaque
// fenêtre sans cliquer. Le test échoue si une image ne peut pas être écrite.
#include <gtest/gtest.h>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>

#include "gui/EssaiFenetre.h"
#include "shell/gui/FenetrePrincipale.h"

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

    auto aPropos = BoiteMessage::construire(&f, "Lignara v" LIGNARA_VERSION "\n…", "A propos de Lignara", false);
    aPropos->show();
    EXPECT_TRUE(capturer(*aPropos, "boite-message"));
    auto question = BoiteMessage::construire(&f, "Ce graphique nécessite plus de 500 pages.\nVoulez-vous continuer ?", "", true);
    question->show();
    EXPECT_TRUE(capturer(*question, "boite-question"));
}
