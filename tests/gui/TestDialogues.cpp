#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "commun/Dossiers.h"
#include "support/DossierEssai.h"
#include "commun/Texte.h"
#include "gui/SelectionEssai.h"
#include "reference/Categories.h"
#include "shell/gui/EditeurCategories.h"
#include "shell/gui/FenetrePrincipale.h"
#include "shell/gui/QuestionPages.h"

using lignara::Configuration;
using lignara::gui::BoiteMessage;
using lignara::gui::ExecutionDialogue;
using lignara::gui::FenetrePrincipale;
using lignara::gui::SelecteurFichier;

namespace {

struct Dialogue : ::testing::Test {
    void SetUp() override { essai::remettreAZero(); }
};

using essai::element;
using lignara::essai::lireFichier;

}  // namespace

TEST_F(Dialogue, lesPreferencesSontBorneesEnregistreesEtRelues) {
    FenetrePrincipale f(Configuration{}, "");
    f.action(1712)->trigger();
    SelecteurFichier::reponses() = {"#112233"};
    ExecutionDialogue::simulation() = [](QDialog& d) {
        element<QSpinBox>(d, "spinCompressionArbres")->setValue(5);
        element<QSpinBox>(d, "spinCompressionListes")->setValue(500);
        element<QSpinBox>(d, "spinMargeGauche")->setValue(8);
        element<QSpinBox>(d, "spinMargeHaut")->setValue(150);
        element<QSpinBox>(d, "spinEspaceMinimal")->setValue(1);
        element<QLineEdit>(d, "editSignature1")->setText("Dressé par Élise");
        element<QCheckBox>(d, "caseDonnees5_1")->setChecked(false);
        element<QPushButton>(d, "boutonCouleurHommes")->click();
        EXPECT_GT(element<QComboBox>(d, "comboPolice")->count(), 0);
        essai::boutonOk(d)->click();
        return d.result();
    };
    f.executer(1081);
    const Configuration& c = f.configuration();
    EXPECT_EQ(c.compressionArbres, 10);
    EXPECT_EQ(c.compressionListes, 200);
    EXPECT_EQ(c.margeGauche, 362);
    EXPECT_EQ(c.margeHaut, 99 * 176);
    EXPECT_EQ(c.espaceMinimal, 2);
    EXPECT_EQ(c.donneesTableauAscendant, 1);
    EXPECT_EQ(c.couleurHommes, (lignara::CouleurRvb{0x11, 0x22, 0x33}));
    using lignara::operator""_1252;
    EXPECT_EQ(c.ligneSignature1, std::string("Dressé par Élise"_1252));
    Configuration relue = lignara::chargerConfiguration(lignara::dossierConfiguration());
    EXPECT_EQ(relue.formatPapier, 1702);  // le format courant ne survit pas au rechargement
    relue.formatPapier = c.formatPapier;
    EXPECT_EQ(relue, c);

    ExecutionDialogue::simulation() = [](QDialog& d) {
        element<QSpinBox>(d, "spinMargeGauche")->setValue(20);
        EXPECT_EQ(element<QSpinBox>(d, "spinCompressionArbres")->value(), 10);
        return int(QDialog::Rejected);
    };
    f.executer(1081);
    EXPECT_EQ(f.configuration().margeGauche, 362);
    lignara::enregistrerConfiguration(Configuration{}, lignara::dossierConfiguration());
}

TEST_F(Dialogue, lesOptionsDuFichierNeSontCopieesQueSurOkEtRefusentUnTagDejaLu) {
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    ExecutionDialogue::simulation() = [](QDialog& d) {
        EXPECT_EQ(element<QLabel>(d, "titreFichier")->text(), "Fichier famille-exemple.ged");
        element<QRadioButton>(d, "radioDiese")->setChecked(true);
        return int(QDialog::Rejected);
    };
    f.executer(1087);
    EXPECT_EQ(f.fichier().reglages().modeCommentaire, 0);

    ExecutionDialogue::simulation() = [](QDialog& d) {
        element<QRadioButton>(d, "radioTag")->setChecked(true);
        auto* ok = element<QDialogButtonBox>(d, "boutons")->button(QDialogButtonBox::Ok);
        EXPECT_FALSE(ok->isEnabled());  // tag vide
        QTest::keyClicks(element<QLineEdit>(d, "editTag"), "NAME");
        essai::boutonOk(d)->click();
        EXPECT_TRUE(d.isVisible());  // refusé, le dialogue reste ouvert
        element<QLineEdit>(d, "editTag")->clear();
        QTest::keyClicks(element<QLineEdit>(d, "editTag"), " ");
        EXPECT_FALSE(ok->isEnabled());  // rien avant l'espace
        element<QLineEdit>(d, "editTag")->clear();
        QTest::keyClicks(element<QLineEdit>(d, "editTag"), "_COMM suite");
        essai::boutonOk(d)->click();
        return d.result();
    };
    f.executer(1087);
    ASSERT_EQ(BoiteMessage::montres().size(), 1);
    EXPECT_TRUE(BoiteMessage::montres()[0].startsWith("Le tag \"NAME\" ne peut pas être utilisé"));
    EXPECT_EQ(f.fichier().reglages().modeCommentaire, 2);
    EXPECT_EQ(f.fichier().reglages().tagCommentaire, "_COMM");
    auto relus = lignara::chargerReglagesFichier(lignara::dossierConfiguration(), essai::exempleLivre());
    EXPECT_EQ(relus.tagCommentaire, "_COMM");
    lignara::enregistrerReglagesFichier(lignara::dossierConfiguration(), essai::exempleLivre(), {});
}

TEST_F(Dialogue, lesCategoriesSEditentAvecTabulationEtSeCompilentSurOk) {
    FenetrePrincipale f(Configuration{}, "");
    auto definition = lignara::Categories::definitionUtilisateur(lignara::Categories::kProfessions);
    auto compile = lignara::Categories::compileUtilisateur(lignara::Categories::kProfessions);
    std::filesystem::remove(definition);
    std::filesystem::remove(compile);

    ExecutionDialogue::simulation() = [](QDialog& d) {
        EXPECT_EQ(d.objectName(), "DIALOG_CATEGORIE");
        EXPECT_EQ(element<QLabel>(d, "intitule")->text(), "Définition des catégories professionnelles");
        auto* e = element<lignara::gui::EditeurCategories>(d, "editeur");
        EXPECT_FALSE(e->toPlainText().isEmpty());
        e->setPlainText("Marins\n");
        e->moveCursor(QTextCursor::End);
        QTest::keyClick(e, Qt::Key_Tab);
        QTest::keyClicks(e, "matelot");
        EXPECT_EQ(e->toPlainText(), "Marins\n\tmatelot");
        element<QPushButton>(d, "boutonOk")->click();
        return d.result();
    };
    f.executer(1082);
    EXPECT_EQ(lireFichier(definition), "Marins\r\n\tmatelot");
    EXPECT_TRUE(std::filesystem::exists(compile));

    ExecutionDialogue::simulation() = [](QDialog& d) {
        auto* e = element<lignara::gui::EditeurCategories>(d, "editeur");
        e->setPlainText("Autre\n");
        return int(QDialog::Rejected);
    };
    f.executer(1082);
    EXPECT_EQ(lireFichier(definition), "Marins\r\n\tmatelot");
    std::filesystem::remove(definition);
    std::filesystem::remove(compile);
}

TEST_F(Dialogue, laReinitialisationDesCategoriesDemandeConfirmation) {
    FenetrePrincipale f(Configuration{}, "");
    BoiteMessage::reponses() = {false, true};
    QString apresRefus, apresAccord;
    ExecutionDialogue::simulation() = [&](QDialog& d) {
        auto* e = element<lignara::gui::EditeurCategories>(d, "editeur");
        e->setPlainText("Vide\n");
        element<QPushButton>(d, "boutonReinitialiser")->click();
        apresRefus = e->toPlainText();
        element<QPushButton>(d, "boutonReinitialiser")->click();
        apresAccord = e->toPlainText();
        return int(QDialog::Rejected);
    };
    f.executer(1083);
    EXPECT_EQ(apresRefus, "Vide\n");
    EXPECT_NE(apresAccord, "Vide\n");
    EXPECT_GT(apresAccord.size(), 20);
    EXPECT_EQ(BoiteMessage::montres().size(), 2);
}

TEST(EditeurCategories, neDepassePasCinquanteMilleOctetsEnregistres) {
    lignara::gui::EditeurCategories e;
    e.setPlainText(QString(49998, 'a'));
    e.moveCursor(QTextCursor::End);
    QTest::keyClick(&e, Qt::Key_Return);  // une fin de ligne compte deux octets : elle tient
    EXPECT_EQ(e.tailleEnregistree(), 50000);
    QTest::keyClick(&e, Qt::Key_Tab);
    QTest::keyClicks(&e, "b");
    EXPECT_EQ(e.tailleEnregistree(), 50000);
    e.setPlainText(QString(49999, 'a'));
    e.moveCursor(QTextCursor::End);
    QTest::keyClick(&e, Qt::Key_Return);  // il faudrait 50 001 octets
    EXPECT_EQ(e.tailleEnregistree(), 49999);
}

TEST_F(Dialogue, laQuestionDesCinqCentsPagesRendLaReponse) {
    QWidget fenetre;
    auto question = lignara::gui::questionCinqCentsPages(&fenetre);
    BoiteMessage::reponses() = {true, false};
    EXPECT_TRUE(question());
    EXPECT_FALSE(question());
    EXPECT_EQ(BoiteMessage::montres()[0], "Ce graphique nécessite plus de 500 pages.\nVoulez-vous continuer ?");
}
