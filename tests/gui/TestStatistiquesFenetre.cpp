// Les statistiques depuis la fenêtre : des catégories incorrectes sont dites, puis ouvertes.
#include <fstream>

#include "gui/SelectionEssai.h"
#include "reference/Categories.h"

using namespace lignara;
using namespace lignara::gui;

namespace {

using StatistiquesFenetre = essai::FenetreDocuments;

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
