// Sélection des personnes, homonymes, récents, « Moi », conjoint et nom, pilotés hors écran
// sur l'exemple livré.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "commun/Texte.h"
#include "gui/SelectionEssai.h"

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
    EXPECT_FALSE(ok->isEnabled());
    taper(d, "Inconnu");
    EXPECT_FALSE(ok->isEnabled());
    taper(d, "berthelot");
    EXPECT_TRUE(ok->isEnabled());
    element<QComboBox>(d, "comboNom")->lineEdit()->setText(QString(80, 'A'));
    EXPECT_EQ(element<QComboBox>(d, "comboNom")->currentText().size(), 70);
}

TEST_F(Selection, lesHomonymesSeDepartagentEtLeChoixEntreEnTeteDesRecents) {
    auto env = environnement();
    EtatSelection jean;
    jean.nom = "Berthelot";
    jean.prenoms = "Jean";
    SelectionPersonne(contexte).chercher(jean);
    auto candidats = SelectionPersonne(contexte).candidats(jean);
    ASSERT_EQ(candidats.size(), 3u);  // les deux Jean et Jean-Marie
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "Jean");
        return essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMHOMO"] = [&](QDialog& d) {
        EXPECT_EQ(element<QLabel>(d, "titreListe")->text(), "Il y a plusieurs Jean Berthelot :");
        auto* liste = element<QListWidget>(d, "listeHomonymes");
        // Les prénoms ouvrent chaque ligne : « Jean » ne dit pas lequel des trois.
        EXPECT_TRUE(liste->item(2)->text().startsWith("Jean-Marie : (")) << liste->item(2)->text().toStdString();
        liste->setCurrentRow(1);
        return essai::valider(d);
    };
    PersonneSelectionnee choisie = selectionner(env);
    EXPECT_EQ(choisie.personne, static_cast<std::int32_t>(candidats[1]));
    ASSERT_EQ(f->fichier().recentes().liste().size(), 1u);
    EXPECT_EQ(f->fichier().recentes().liste()[0].personne, choisie.personne);

    // Fermer le choix des homonymes annule toute la sélection.
    aiguillage.parNom["DIALOG_DEMHOMO"] = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_EQ(selectionner(env).personne, -1);
    EXPECT_EQ(f->fichier().recentes().liste().size(), 1u);
}

TEST_F(Selection, lesDerniersEtMoiChoisissentSansHomonymes) {
    auto env = environnement();
    std::int32_t jean = personne("BERTHELOT", "Jean");
    std::int32_t claude = personne("BERTHELOT", "Claude");
    env.recentes.retenir({"BERTHELOT", "Jean", jean});
    aiguillage.parNom["DIALOG_LESDERNIERS"] = [](QDialog& d) { return essai::valider(d); };
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        element<QPushButton>(d, "boutonDerniers")->click();
        return essai::valider(d);
    };
    EXPECT_EQ(selectionner(env).personne, jean);
    EXPECT_EQ(aiguillage.ouverts, (QStringList{"DIALOG_DEMPERS", "DIALOG_LESDERNIERS"}));

    // « Moi » pas encore défini : la question (Annuler, puis Oui), puis sa définition.
    int definitions = 0;
    env.definirMoi = [&] {
        ++definitions;
        return claude;
    };
    BoiteMessage::reponses() = {false, true};
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        auto* moi = element<QPushButton>(d, "boutonMoi");
        moi->click();
        EXPECT_FALSE(essai::boutonOk(d)->isEnabled());
        moi->click();
        return essai::valider(d);
    };
    EXPECT_EQ(selectionner(env).personne, claude);
    EXPECT_EQ(definitions, 1);
    ASSERT_EQ(BoiteMessage::montres().size(), 2);
    EXPECT_TRUE(BoiteMessage::montres()[0].startsWith("L'individu associé au bouton \"Moi\""));
}

}  // namespace
