// Sélection des personnes, homonymes, récents, « Moi », conjoint et nom, pilotés hors écran
// sur l'exemple livré.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QKeySequence>
#include <QListWidget>
#include <QRegularExpression>

#include "commun/Texte.h"
#include "documents/PersonneMoi.h"
#include "gui/SelectionEssai.h"
#include "shell/gui/DialogueConjoint.h"
#include "shell/gui/DialogueNom.h"

using namespace lignara;
using namespace lignara::gui;
using essai::element;
using essai::taper;

namespace {

struct Selection : essai::FenetreOuverte {
    PersonneSelectionnee selectionner(EnvironnementSelection& env, bool descendante = false) {
        return DialogueSelectionPersonne::selectionner(env, {"Arbre ascendant individuel", -1, descendante}, f.get());
    }
};

TEST_F(Selection, okNEstPermisQuePourUnNomDeLIndex) {
    auto env = environnement();
    DialogueSelectionPersonne d(env, {"Titre", -1, false});
    QPushButton* ok = essai::boutonOk(d);
    EXPECT_EQ(d.objectName(), "DIALOG_DEMPERS");
    EXPECT_EQ(d.windowTitle(), "Titre");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(element<QPushButton>(d, "boutonDerniers")->isEnabled());
    EXPECT_FALSE(element<QPushButton>(d, "boutonMoi")->isEnabled());
    EXPECT_TRUE(element<QCheckBox>(d, "caseSommetBranche")->isHidden());
    taper(d, "Inconnu");
    EXPECT_FALSE(ok->isEnabled());
    taper(d, "berthelot");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_GT(element<QComboBox>(d, "comboPrenoms")->count(), 3);
    taper(d, "Berthelot", "Jean");
    EXPECT_TRUE(ok->isEnabled());
    taper(d, "Berthelot", "Jeannot");
    EXPECT_FALSE(ok->isEnabled());
    element<QComboBox>(d, "comboNom")->lineEdit()->setText(QString(80, 'A'));
    EXPECT_EQ(element<QComboBox>(d, "comboNom")->currentText().size(), 70);

    DialogueSelectionPersonne desc(env, {"Arbre descendant", -1, true});
    EXPECT_EQ(desc.objectName(), "DIALOG_DEMPERS_DESC");
    EXPECT_FALSE(element<QCheckBox>(desc, "caseSommetBranche")->isHidden());
}

TEST_F(Selection, lesHomonymesSeDepartagentEtLeChoixEntreEnTeteDesRecents) {
    auto env = environnement();
    EtatSelection jean;
    jean.nom = "Berthelot";
    jean.prenoms = "Jean";
    SelectionPersonne(contexte).chercher(jean);
    auto candidats = SelectionPersonne(contexte).candidats(jean);
    ASSERT_EQ(candidats.size(), 3u);  // les deux Jean et Jean-Marie
    QString titre;
    int lignes = 0;
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "Jean");
        return essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMHOMO"] = [&](QDialog& d) {
        titre = element<QLabel>(d, "titreListe")->text();
        auto* liste = element<QListWidget>(d, "listeHomonymes");
        lignes = liste->count();
        // Les prénoms ouvrent chaque ligne : « Jean » ne dit pas lequel des trois.
        EXPECT_TRUE(liste->item(0)->text().startsWith("Jean : (")) << liste->item(0)->text().toStdString();
        EXPECT_TRUE(liste->item(2)->text().startsWith("Jean-Marie : (")) << liste->item(2)->text().toStdString();
        EXPECT_TRUE(liste->item(2)->text().contains("et enfant de"));
        liste->setCurrentRow(1);
        return essai::valider(d);
    };
    PersonneSelectionnee choisie = selectionner(env);
    EXPECT_EQ(titre, "Il y a plusieurs Jean Berthelot :");
    EXPECT_EQ(lignes, 3);
    EXPECT_EQ(choisie.personne, static_cast<std::int32_t>(candidats[1]));
    EXPECT_EQ(choisie.nom, "BERTHELOT");
    ASSERT_EQ(f->fichier().recentes().liste().size(), 1u);
    EXPECT_EQ(f->fichier().recentes().liste()[0].personne, choisie.personne);

    // Fermer le choix des homonymes annule toute la sélection.
    aiguillage.parNom["DIALOG_DEMHOMO"] = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_EQ(selectionner(env).personne, -1);
    EXPECT_EQ(f->fichier().recentes().liste().size(), 1u);
}

TEST_F(Selection, laRecherchePhonetiqueTrouveUneAutreGraphie) {
    auto env = environnement();
    QString titre;
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Bertelot");
        EXPECT_FALSE(essai::boutonOk(d)->isEnabled());
        element<QCheckBox>(d, "casePhonetique")->setChecked(true);
        EXPECT_TRUE(essai::boutonOk(d)->isEnabled());
        return essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMHOMO"] = [&](QDialog& d) {
        titre = element<QLabel>(d, "titreListe")->text();
        auto* liste = element<QListWidget>(d, "listeHomonymes");
        EXPECT_GT(liste->count(), 10);
        EXPECT_TRUE(liste->item(0)->text().startsWith("BERTHELOT ")) << liste->item(0)->text().toStdString();
        return essai::valider(d);
    };
    PersonneSelectionnee choisie = selectionner(env);
    EXPECT_EQ(titre, "Plusieurs personnes peuvent correspondre :");
    EXPECT_EQ(choisie.nom, "BERTHELOT");
}

TEST_F(Selection, lesDerniersEtMoiChoisissentSansHomonymes) {
    auto env = environnement();
    std::int32_t jean = personne("BERTHELOT", "Jean");
    std::int32_t claude = personne("BERTHELOT", "Claude");
    env.recentes.retenir({"BERTHELOT", "Jean", jean});
    aiguillage.parNom["DIALOG_LESDERNIERS"] = [](QDialog& d) {
        // Les dates départagent deux homonymes rappelés.
        const QString ligne = element<QListWidget>(d, "listeDerniers")->item(0)->text();
        EXPECT_TRUE(QRegularExpression("^BERTHELOT Jean \\([^)]*[0-9]{4}[^)]*\\)$").match(ligne).hasMatch())
            << ligne.toStdString();
        return essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        auto* derniers = element<QPushButton>(d, "boutonDerniers");
        EXPECT_TRUE(derniers->isEnabled());
        // Atteints au clavier : Alt+D et Alt+M.
        EXPECT_EQ(QKeySequence::mnemonic(derniers->text()), QKeySequence(Qt::ALT | Qt::Key_D));
        EXPECT_EQ(QKeySequence::mnemonic(element<QPushButton>(d, "boutonMoi")->text()),
                  QKeySequence(Qt::ALT | Qt::Key_M));
        derniers->click();
        EXPECT_EQ(element<QComboBox>(d, "comboPrenoms")->currentText(), "Jean");
        return essai::valider(d);
    };
    EXPECT_EQ(selectionner(env).personne, jean);
    EXPECT_EQ(aiguillage.ouverts, (QStringList{"DIALOG_DEMPERS", "DIALOG_LESDERNIERS"}));

    // « Moi » pas encore défini : la question, puis sa définition.
    int definitions = 0;
    env.definirMoi = [&] {
        ++definitions;
        return claude;
    };
    BoiteMessage::reponses() = {false, true};
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        auto* moi = element<QPushButton>(d, "boutonMoi");
        EXPECT_TRUE(moi->isEnabled());
        moi->click();  // Annuler : rien ne change
        EXPECT_FALSE(essai::boutonOk(d)->isEnabled());
        moi->click();
        EXPECT_EQ(element<QComboBox>(d, "comboPrenoms")->currentText(), "Claude");
        return essai::valider(d);
    };
    EXPECT_EQ(selectionner(env).personne, claude);
    EXPECT_EQ(definitions, 1);
    ASSERT_EQ(BoiteMessage::montres().size(), 2);
    EXPECT_TRUE(BoiteMessage::montres()[0].startsWith("L'individu associé au bouton \"Moi\""));
}

TEST_F(Selection, moiSeDefinitDansLesOptionsDuFichierPuisSertALaSelection) {
    std::int32_t louise = personne("MOREL", "Louise");
    aiguillage.parNom["DIALOG_OPTIONS_FICHIER"] = [](QDialog& d) {
        element<QPushButton>(d, "boutonModifierMoi")->click();
        EXPECT_TRUE(element<QLineEdit>(d, "nomMoi")->text().startsWith("MOREL Louise"));
        return essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        // Depuis les options du fichier, sans « Moi » défini : le bouton est grisé.
        EXPECT_FALSE(element<QPushButton>(d, "boutonMoi")->isEnabled());
        taper(d, "Morel", "Louise");
        return essai::valider(d);
    };
    f->executer(1087);
    EXPECT_TRUE(f->fichier().reglages().moi.definie());
    auto env = environnement();
    env.moi = [this] { return lignara::personneMoi(f->fichier().reglages().moi, contexte); };
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        element<QPushButton>(d, "boutonMoi")->click();
        return essai::valider(d);
    };
    EXPECT_EQ(selectionner(env).personne, louise);
}

TEST_F(Selection, leConjointSeChoisitSeulementQuandIlYEnAPlusieurs) {
    auto francois = static_cast<std::uint32_t>(personne("BERTHELOT", "François"_1252));
    auto augustine = static_cast<std::uint32_t>(personne("LEROY", "Augustine"));
    int lignes = 0;
    aiguillage.parNom["DIALOG_DEMCONJOINT"] = [&](QDialog& d) {
        auto* combo = element<QComboBox>(d, "comboConjoint");
        lignes = combo->count();
        EXPECT_EQ(combo->currentText(), "LEROY Augustine");  // conjoint courant présélectionné
        combo->setCurrentIndex(0);
        return essai::valider(d);
    };
    auto choisi = DialogueConjoint::choisir(contexte, francois, augustine, f.get());
    ASSERT_TRUE(choisi);
    EXPECT_EQ(lignes, 2);
    EXPECT_EQ(choisi->conjoint, static_cast<std::uint32_t>(personne("MOREL", "Louise")));
    EXPECT_NE(choisi->famille, 0u);

    aiguillage.parNom.clear();  // aucun dialogue attendu ensuite
    auto seul = DialogueConjoint::choisir(contexte, augustine, 0, f.get());
    ASSERT_TRUE(seul);
    EXPECT_EQ(seul->conjoint, francois);
    auto aucun =
        DialogueConjoint::choisir(contexte, static_cast<std::uint32_t>(personne("BERTHELOT", "Louis")), 0, f.get());
    ASSERT_TRUE(aucun);
    EXPECT_EQ(aucun->conjoint, 0u);

    aiguillage.parNom["DIALOG_DEMCONJOINT"] = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_FALSE(DialogueConjoint::choisir(contexte, francois, 0, f.get()));
}

TEST_F(Selection, leNomDUneCarteDoitEtrePorte) {
    aiguillage.parNom["DIALOG_DEMNOM"] = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Carte de patronyme");
        taper(d, "Inconnu");
        EXPECT_FALSE(essai::boutonOk(d)->isEnabled());
        taper(d, "dumas");
        return essai::valider(d);
    };
    auto nom = DialogueNom::choisir(contexte, "Carte de patronyme", f.get());
    ASSERT_TRUE(nom);
    EXPECT_EQ(*nom, "DUMAS");
}

}  // namespace
