// Fenêtres de consultation et liste ancrée, pilotées dans la vraie fenêtre principale.
#include <fstream>

#include <gtest/gtest.h>
#include <QCheckBox>
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
#include "shell/gui/FenetreFamille.h"
#include "shell/gui/FenetreListeConsultation.h"
#include "shell/gui/FenetrePersonne.h"
#include "shell/gui/FenetrePrincipale.h"
#include "shell/gui/ListeAncree.h"
#include "shell/gui/ModeleListePersonnes.h"

using namespace lignara::gui;

namespace {

// Deux Jean DUPONT nés en 1850 : l'un fils de Pierre, l'autre avec une note de 250 octets.
struct Consulter : ::testing::Test {
    essai::DossierTemporaire dossier{"consultation"};
    std::unique_ptr<FenetrePrincipale> f;
    void SetUp() override {
        essai::remettreAZero();
        const auto ged = dossier.chemin / "homonymes.ged";
        std::ofstream(ged) << "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 BIRT\n2 DATE 1850\n"
                              "1 FAMC @F1@\n0 @I2@ INDI\n1 NAME Jean /DUPONT/\n1 BIRT\n2 DATE 1850\n1 NOTE "
                           << std::string(200, 'x') << "\n2 CONC " << std::string(50, 'x')
                           << "\n0 @I3@ INDI\n1 NAME Pierre /DUPONT/\n1 SEX M\n1 FAMS @F1@\n"
                              "0 @I4@ INDI\n1 NAME Pauline\n1 SEX F\n0 @F1@ FAM\n1 HUSB @I3@\n1 CHIL @I1@\n0 TRLR\n";
        f = std::make_unique<FenetrePrincipale>(lignara::Configuration{}, ged.string());
        f->show();
        f->executer(1002);
        ASSERT_TRUE(f->fichier().estOuvert());
    }
};

void doubleCliquer(QAbstractItemView* vue, int ligne) {
    const QRect r = vue->visualRect(vue->model()->index(ligne, 0));
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(vue->viewport(), Qt::LeftButton, {}, r.center());
}

}  // namespace

TEST_F(Consulter, laListeAncreeFiltreEnTapantEtEnModePhonetique) {
    ListeAncree* liste = f->listeAncree();
    QTest::keyClicks(liste->filtre(), "Dupond");
    EXPECT_EQ(liste->modele()->rowCount(), 0) << "sans le mode phonétique, Dupond n'est le début d'aucun nom";
    liste->phonetique()->setChecked(true);
    EXPECT_EQ(liste->modele()->rowCount(), 3);
    f->executer(1003);
    EXPECT_EQ(liste->modele(), nullptr);
}

TEST_F(Consulter, lesHomonymesOuvrentChacunLeurFicheEtLaFermetureDuFichierFermeTout) {
    f->executer(1001);
    QPointer<FenetreListeConsultation> liste = f->consultation().liste();
    ASSERT_TRUE(liste);
    auto* modele = liste->modele();
    ASSERT_EQ(modele->rowCount(), 4);
    doubleCliquer(liste->vue(), 1);
    doubleCliquer(liste->vue(), 2);
    auto fenetres = f->consultation().fenetres();
    ASSERT_EQ(fenetres.size(), 2u);
    auto* premier = qobject_cast<FenetrePersonne*>(fenetres[0]);
    auto* second = qobject_cast<FenetrePersonne*>(fenetres[1]);
    ASSERT_TRUE(premier && second);
    EXPECT_NE(premier->personne(), second->personne()) << "deux entrées de même texte, deux personnes";

    // La recherche sélectionne la première entrée qui commence par le texte, casse ignorée.
    QTest::keyClicks(liste->findChild<QLineEdit*>("rechercheConsultation"), "dupont p");
    EXPECT_EQ(liste->vue()->currentIndex().row(), 3);

    // Le père s'ouvre par son bouton ; le fichier fermé, plus aucune fenêtre ne reste.
    auto* jean = premier->findChild<QPushButton*>("boutonPere")->isEnabled() ? premier : second;
    QTest::mouseClick(jean->findChild<QPushButton*>("boutonPere"), Qt::LeftButton);
    ASSERT_EQ(f->consultation().fenetres().size(), 3u);
    EXPECT_EQ(f->consultation().fenetres().back()->findChild<QLabel*>("champ3102")->text(), "Pierre");
    std::vector<QPointer<QDialog>> suivies;
    for (QDialog* d : f->consultation().fenetres()) suivies.emplace_back(d);
    f->executer(1003);
    for (auto& d : suivies) EXPECT_TRUE(d.isNull());
    EXPECT_TRUE(liste.isNull());
}

// Date et lieu d'un mariage, chacun avec sa source ; la source d'un mariage sans date reste dite.
TEST(FenetreFamille, evenementAvecSesSourcesMemeSansDate) {
    lignara::EvenementConsulte e{.date = "3.5.1875", .lieu = "Rouen", .sourceDate = "Acte 12", .sourceLieu = "Carte"};
    EXPECT_EQ(texteEvenementFamille(e), "3.5.1875 (source : Acte 12) Rouen (source : Carte)");
    e.date.clear();
    e.sourceLieu.clear();
    EXPECT_EQ(texteEvenementFamille(e), "(source : Acte 12) Rouen");
    e.lieu.clear();
    EXPECT_EQ(texteEvenementFamille(e), "");  // ni date ni lieu : « Mariage inconnu »
}

// Un autre fichier ouvert : rien ne reste branché sur la base de l'ancien, détruite.
TEST_F(Consulter, ouvrirUnAutreFichierFermeLaConsultationDeLAncien) {
    f->executer(1001);
    QPointer<FenetreListeConsultation> liste = f->consultation().liste();
    ASSERT_TRUE(liste);
    doubleCliquer(liste->vue(), 0);
    ASSERT_EQ(f->consultation().fenetres().size(), 1u);
    QPointer<QDialog> fiche = f->consultation().fenetres()[0];
    const auto autre = dossier.chemin / "autre.ged";
    std::ofstream(autre) << "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Marc /MARTIN/\n0 TRLR\n";
    f->ouvrirChemin(autre.string());
    ASSERT_EQ(f->fichier().base().nombreIndividus(), 1u);
    EXPECT_TRUE(liste.isNull());
    EXPECT_TRUE(fiche.isNull());
    f->executer(1001);
    ASSERT_TRUE(f->consultation().liste());
    EXPECT_EQ(f->consultation().liste()->modele()->rowCount(), 1);
}

TEST_F(Consulter, leBlocNoteEstModalEtNePerdRien) {
    QString notes;
    bool modal = false;
    ExecutionDialogue::simulation() = [&](QDialog& d) {
        modal = d.isModal();
        if (auto* t = d.findChild<QPlainTextEdit*>("texteBlocNote")) notes = t->toPlainText();
        return int(QDialog::Accepted);
    };
    std::uint32_t avecNotes = 0;
    for (std::uint32_t p = 1; p <= f->fichier().base().nombreIndividus(); ++p)
        if (f->fichier().base().LireIndividu(p).notes) avecNotes = p;
    QDialog* fiche = f->consultation().ouvrirPersonne(avecNotes);
    ASSERT_TRUE(fiche);
    QTest::mouseClick(fiche->findChild<QPushButton*>("boutonBlocNote"), Qt::LeftButton);
    EXPECT_TRUE(modal);
    EXPECT_EQ(notes.remove('\n'), QString(250, 'x')) << "une ligne de 250 octets, rien de perdu";
}

// Aucune sélection de personne : la feuille de propriétés s'ouvre directement.
TEST_F(Consulter, leMenuContextuelLanceUnArbreAscendantAvecLaPersonneChoisie) {
    QStringList ouverts;
    ExecutionDialogue::simulation() = [&](QDialog& d) {
        ouverts << d.objectName();
        return int(QDialog::Rejected);
    };
    QAction* arbre = f->listeAncree()->menuPour(1)->findChild<QAction*>("document6101");
    ASSERT_TRUE(arbre) << "l'arbre ascendant est au menu";
    arbre->trigger();
    EXPECT_EQ(ouverts, QStringList{"feuilleProprietes"});
    EXPECT_EQ(f->fichier().recentes().liste().front().personne,
              static_cast<std::int32_t>(f->listeAncree()->modele()->personne(1)));
}
