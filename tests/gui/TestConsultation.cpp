// Fenêtres de consultation et liste ancrée, pilotées dans la vraie fenêtre principale.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "gui/EssaiFenetre.h"
#include "shell/gui/Consultation.h"
#include "shell/gui/FenetreListeConsultation.h"
#include "shell/gui/FenetrePersonne.h"
#include "shell/gui/FenetrePrincipale.h"
#include "shell/gui/ListeAncree.h"
#include "shell/gui/ModeleListePersonnes.h"

using lignara::Configuration;
using lignara::gui::BoiteMessage;
using lignara::gui::ExecutionDialogue;
using lignara::gui::FenetreListeConsultation;
using lignara::gui::FenetrePersonne;
using lignara::gui::FenetrePrincipale;

namespace {

namespace fs = std::filesystem;

struct Consulter : ::testing::Test {
    void SetUp() override { essai::remettreAZero(); }
};

QString champ(QWidget& fenetre, int id) {
    auto* l = fenetre.findChild<QLabel*>(QString("champ%1").arg(id));
    return l ? l->text() : QString("<absent>");
}

// Noms (colonne 0) des lignes que montre la liste ancrée.
QStringList nomsMontres(FenetrePrincipale& f) {
    QStringList r;
    auto* m = f.listeAncree()->modele();
    for (int i = 0; i < m->rowCount(); ++i) r << m->data(m->index(i, 0), Qt::DisplayRole).toString();
    return r;
}

void doubleCliquer(QAbstractItemView* vue, int ligne) {
    const QModelIndex i = vue->model()->index(ligne, 0);
    vue->scrollTo(i);
    const QRect r = vue->visualRect(i);
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(vue->viewport(), Qt::LeftButton, {}, r.center());
}

FenetrePersonne* derniereFiche(FenetrePrincipale& f) {
    auto fenetres = f.consultation().fenetres();
    return fenetres.empty() ? nullptr : qobject_cast<FenetrePersonne*>(fenetres.back());
}

struct Homonymes {
    essai::DossierTemporaire dossier{"consultation-homonymes"};
    fs::path ged = dossier.chemin / "homonymes.ged";
    Homonymes() {
        std::ofstream(ged) << "0 HEAD\n1 CHAR UTF-8\n"
                              "0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 BIRT\n2 DATE 1850\n1 FAMC @F1@\n"
                              "0 @I2@ INDI\n1 NAME Jean /DUPONT/\n1 BIRT\n2 DATE 1850\n1 NOTE "
                           << std::string(200, 'x') << "\n2 CONC " << std::string(50, 'x')
                           << "\n"
                              "0 @I3@ INDI\n1 NAME Pierre /DUPONT/\n1 SEX M\n1 FAMS @F1@\n"
                              "0 @I4@ INDI\n1 NAME Pauline\n1 SEX F\n"
                              "0 @F1@ FAM\n1 HUSB @I3@\n1 CHIL @I1@\n0 TRLR\n";
    }
};

}  // namespace

TEST_F(Consulter, laListeAncreeFiltreEnTapantEtEnModePhonetique) {
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.show();
    f.executer(1002);
    ASSERT_TRUE(f.listeAncree()->isVisible());
    QTest::keyClicks(f.listeAncree()->filtre(), "Bertelo");
    EXPECT_TRUE(nomsMontres(f).isEmpty()) << "sans le mode phonétique, Bertelo n'est le début d'aucun nom";
    f.listeAncree()->phonetique()->setChecked(true);
    const QStringList phonetiques = nomsMontres(f);
    ASSERT_FALSE(phonetiques.isEmpty());
    for (const QString& n : phonetiques) EXPECT_EQ(n.toUpper(), "BERTHELOT");
    f.executer(1003);
    EXPECT_EQ(f.listeAncree()->modele(), nullptr);
}

TEST_F(Consulter, lesHomonymesOuvrentChacunLeurFicheEtLaFermetureDuFichierFermeTout) {
    Homonymes h;
    FenetrePrincipale f(Configuration{}, h.ged.string());
    f.show();
    f.executer(1002);
    f.executer(1001);
    QPointer<FenetreListeConsultation> liste = f.consultation().liste();
    ASSERT_TRUE(liste);
    auto* modele = liste->modele();
    ASSERT_EQ(modele->rowCount(), 4);
    EXPECT_EQ(modele->data(modele->index(1, 0), Qt::DisplayRole).toString(), "DUPONT Jean   (1850)");
    doubleCliquer(liste->vue(), 1);
    doubleCliquer(liste->vue(), 2);
    auto fenetres = f.consultation().fenetres();
    ASSERT_EQ(fenetres.size(), 2u);
    auto* premier = qobject_cast<FenetrePersonne*>(fenetres[0]);
    auto* second = qobject_cast<FenetrePersonne*>(fenetres[1]);
    ASSERT_TRUE(premier && second);
    EXPECT_NE(premier->personne(), second->personne()) << "deux entrées de même texte, deux personnes";

    // La recherche sélectionne la première entrée qui commence par le texte, casse ignorée.
    QTest::keyClicks(liste->findChild<QLineEdit*>("rechercheConsultation"), "dupont p");
    EXPECT_EQ(liste->vue()->currentIndex().row(), 3);

    // Le père s'ouvre par son bouton, puis sa famille, puis l'enfant de celle-ci.
    auto* jean = premier->findChild<QPushButton*>("boutonPere")->isEnabled() ? premier : second;
    QTest::mouseClick(jean->findChild<QPushButton*>("boutonPere"), Qt::LeftButton);
    FenetrePersonne* pierre = derniereFiche(f);
    ASSERT_TRUE(pierre);
    EXPECT_EQ(champ(*pierre, 3102), "Pierre");
    QTest::mouseClick(pierre->findChild<QPushButton*>("boutonFamille"), Qt::LeftButton);
    auto* enfants = f.consultation().fenetres().back()->findChild<QComboBox*>("enfants1");
    ASSERT_TRUE(enfants);
    emit enfants->activated(0);
    EXPECT_EQ(derniereFiche(f)->personne(), 1u);

    // « Ferme fenêtres » : toutes, la liste reste ; le fichier fermé, plus rien ne reste.
    QTest::mouseClick(liste->findChild<QPushButton*>("boutonFermeFenetres"), Qt::LeftButton);
    EXPECT_TRUE(f.consultation().fenetres().empty());
    doubleCliquer(liste->vue(), 1);
    QTest::mouseClick(derniereFiche(f)->findChild<QPushButton*>("boutonPere"), Qt::LeftButton);
    std::vector<QPointer<QDialog>> suivies;
    for (QDialog* d : f.consultation().fenetres()) suivies.emplace_back(d);
    f.executer(1003);
    for (auto& d : suivies) EXPECT_TRUE(d.isNull());
    EXPECT_TRUE(liste.isNull());
}

TEST_F(Consulter, leBlocNoteEtLesSourcesSontModaux) {
    Homonymes h;
    FenetrePrincipale f(Configuration{}, h.ged.string());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    QString notes;
    bool modal = false;
    ExecutionDialogue::simulation() = [&](QDialog& d) {
        modal = d.isModal();
        if (auto* t = d.findChild<QPlainTextEdit*>("texteBlocNote")) notes = t->toPlainText();
        return int(QDialog::Accepted);
    };
    std::uint32_t avecNotes = 0;
    for (std::uint32_t p = 1; p <= f.fichier().base().nombreIndividus(); ++p)
        if (f.fichier().base().LireIndividu(p).notes) avecNotes = p;
    QDialog* fiche = f.consultation().ouvrirPersonne(avecNotes);
    ASSERT_TRUE(fiche);
    QTest::mouseClick(fiche->findChild<QPushButton*>("boutonBlocNote"), Qt::LeftButton);
    EXPECT_TRUE(modal);
    EXPECT_EQ(notes.remove('\n'), QString(250, 'x')) << "une ligne de 250 octets, rien de perdu";
    modal = false;
    QTest::mouseClick(fiche->findChild<QPushButton*>("boutonSources"), Qt::LeftButton);
    EXPECT_TRUE(modal);
}

TEST_F(Consulter, leMenuContextuelLanceUnArbreAscendantAvecLaPersonneChoisie) {
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    QStringList titres;
    ExecutionDialogue::simulation() = [&](QDialog& d) {
        titres << d.windowTitle();
        return int(QDialog::Rejected);
    };
    QAction* arbre = f.listeAncree()->menuPour(5)->findChild<QAction*>("document6101");
    ASSERT_TRUE(arbre) << "l'arbre ascendant est au menu";
    arbre->trigger();
    // Aucune sélection de personne : la feuille de propriétés s'ouvre directement.
    ASSERT_EQ(titres.size(), 1);
    EXPECT_FALSE(titres.front().contains("Sélection")) << titres.join("|").toStdString();
    EXPECT_EQ(f.fichier().recentes().liste().front().personne,
              static_cast<std::int32_t>(f.listeAncree()->modele()->personne(5)));
}
