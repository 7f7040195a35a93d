// Les statistiques depuis la fenêtre : menus, feuille de la variante, catégories incorrectes.
#include <filesystem>
#include <fstream>
#include <set>

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "commun/Dossiers.h"
#include "gui/SelectionEssai.h"
#include "reference/Categories.h"
#include "session/DemarrageDossierSortie.h"
#include "shell/gui/BoiteMessage.h"

using namespace lignara;
using namespace lignara::gui;
using essai::element;

namespace {

using StatistiquesFenetre = essai::FenetreDocuments;

// « Age mariage/décès › Complètes... » : aucune personne demandée, la feuille sans la case des
// conjoints ; le choix « âge au décès » arrive au document.
TEST_F(StatistiquesFenetre, laVarianteCompleteNeDemandeQueSaFeuille) {
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_EQ(d.findChild<QCheckBox*>("c2012"), nullptr);
        EXPECT_TRUE(element<QCheckBox>(d, "c2011")->isChecked());
        element<QRadioButton>(d, "c2032")->setChecked(true);
        return essai::valider(d);
    };
    const auto document = produire(6723);
    EXPECT_EQ(aiguillage.ouverts, QStringList{"feuilleProprietes"});
    EXPECT_TRUE(BoiteMessage::montres().isEmpty()) << BoiteMessage::montres().join("\n").toStdString();
    EXPECT_EQ(document.filename(), "SA_.pdf");
}

TEST_F(StatistiquesFenetre, laVarianteDescendanteDemandeLaTeteEtMontreLesConjoints) {
    aiguillage.parNom["DIALOG_DEMPERS_DESC"] = [](QDialog& d) {
        essai::taper(d, "Berthelot", "Claude");
        return essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_TRUE(element<QCheckBox>(d, "c2011")->isChecked());  // conjoints, page DIALOG_SN_D_GENE
        EXPECT_EQ(element<QSpinBox>(d, "c2060")->maximum(), 100);
        element<QSpinBox>(d, "c2060")->setValue(10);
        return essai::valider(d);
    };
    const auto document = produire(6732);
    EXPECT_EQ(document.filename().string().rfind("SN_BERTHELOT", 0), 0u) << document;
}

TEST_F(StatistiquesFenetre, desCategoriesIncorrectesOuvrentLeurDefinitionApresLeMessage) {
    const auto fichier = Categories::compileUtilisateur(Categories::kProfessions);
    std::filesystem::create_directories(fichier.parent_path());
    std::ofstream(fichier, std::ios::binary) << "abime";
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) { return essai::valider(d); };
    aiguillage.parNom["DIALOG_CATEGORIE"] = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_TRUE(produire(6743).empty());
    EXPECT_EQ(BoiteMessage::montres(),
              QStringList{"Fichier des catégories professionnelles incorrect\nVous devez le reconstruire"});
    EXPECT_EQ(aiguillage.ouverts, (QStringList{"feuilleProprietes", "DIALOG_CATEGORIE"}));
    std::filesystem::remove(fichier);
}

}  // namespace
