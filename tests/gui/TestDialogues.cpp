#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "commun/Dossiers.h"
#include "support/DossierEssai.h"
#include "commun/Texte.h"
#include "gui/SelectionEssai.h"
#include "reference/Categories.h"
#include "shell/gui/EditeurCategories.h"

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
    SelecteurFichier::reponses() = {"#112233"};
    ExecutionDialogue::simulation() = [](QDialog& d) {
        element<QSpinBox>(d, "spinCompressionArbres")->setValue(5);
        element<QSpinBox>(d, "spinMargeGauche")->setValue(8);
        element<QLineEdit>(d, "editSignature1")->setText("Dressé par Élise");
        element<QPushButton>(d, "boutonCouleurHommes")->click();
        return essai::valider(d);
    };
    f.executer(1081);
    const Configuration& c = f.configuration();
    EXPECT_EQ(c.compressionArbres, 10);
    EXPECT_EQ(c.margeGauche, 362);
    EXPECT_EQ(c.couleurHommes, (lignara::CouleurRvb{0x11, 0x22, 0x33}));
    using lignara::operator""_1252;
    EXPECT_EQ(c.ligneSignature1, std::string("Dressé par Élise"_1252));
    Configuration relue = lignara::chargerConfiguration(lignara::dossierConfiguration());
    relue.formatPapier = c.formatPapier;  // le format courant ne survit pas au rechargement
    EXPECT_EQ(relue, c);

    ExecutionDialogue::simulation() = [](QDialog& d) {
        element<QSpinBox>(d, "spinMargeGauche")->setValue(20);
        return int(QDialog::Rejected);
    };
    f.executer(1081);
    EXPECT_EQ(f.configuration().margeGauche, 362);
    lignara::enregistrerConfiguration(Configuration{}, lignara::dossierConfiguration());
}

TEST_F(Dialogue, lesOptionsDuFichierRefusentUnTagDejaLu) {
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    ExecutionDialogue::simulation() = [](QDialog& d) {
        element<QRadioButton>(d, "radioTag")->setChecked(true);
        EXPECT_FALSE(essai::boutonOk(d)->isEnabled());  // tag vide
        QTest::keyClicks(element<QLineEdit>(d, "editTag"), "NAME");
        essai::boutonOk(d)->click();
        EXPECT_TRUE(d.isVisible());  // refusé, le dialogue reste ouvert
        element<QLineEdit>(d, "editTag")->clear();
        QTest::keyClicks(element<QLineEdit>(d, "editTag"), "_COMM suite");
        return essai::valider(d);
    };
    f.executer(1087);
    ASSERT_EQ(BoiteMessage::montres().size(), 1);
    EXPECT_TRUE(BoiteMessage::montres()[0].startsWith("Le tag \"NAME\" ne peut pas être utilisé"));
    auto relus = lignara::chargerReglagesFichier(lignara::dossierConfiguration(), essai::exempleLivre());
    EXPECT_EQ(relus.modeCommentaire, 2);
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
        auto* e = element<lignara::gui::EditeurCategories>(d, "editeur");
        e->setPlainText("Marins\n");
        e->moveCursor(QTextCursor::End);
        QTest::keyClick(e, Qt::Key_Tab);
        QTest::keyClicks(e, "matelot");
        element<QPushButton>(d, "boutonOk")->click();
        return d.result();
    };
    f.executer(1082);
    EXPECT_EQ(lireFichier(definition), "Marins\r\n\tmatelot");
    EXPECT_TRUE(std::filesystem::exists(compile));
    std::filesystem::remove(definition);
    std::filesystem::remove(compile);
}

TEST(EditeurCategories, neDepassePasCinquanteMilleOctetsEnregistres) {
    lignara::gui::EditeurCategories e;
    for (int taille : {49998, 49999}) {
        e.setPlainText(QString(taille, 'a'));
        e.moveCursor(QTextCursor::End);
        QTest::keyClick(&e, Qt::Key_Return);  // une fin de ligne compte deux octets
        EXPECT_EQ(e.tailleEnregistree(), taille == 49998 ? 50000 : 49999);
    }
}
