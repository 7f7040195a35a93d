// Les statistiques depuis la fenêtre : menus, feuille de la variante, catégories incorrectes.
#include <fstream>

#include <QCheckBox>
#include <QRadioButton>

#include "gui/SelectionEssai.h"
#include "reference/Categories.h"

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
        element<QRadioButton>(d, "c2032")->setChecked(true);
        return essai::valider(d);
    };
    const auto document = produire(6723);
    EXPECT_EQ(aiguillage.ouverts, QStringList{"feuilleProprietes"});
    EXPECT_EQ(document.filename(), "SA_.pdf");
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
