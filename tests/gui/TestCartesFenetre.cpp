// Cartes et statistiques depuis la fenêtre : nom de famille demandé, pays, bouton de couleur,
// migrations ; des catégories incorrectes sont dites, puis ouvertes.
#include <fstream>

#include "gui/SelectionEssai.h"
#include "reference/Categories.h"

using namespace lignara;
using namespace lignara::gui;
using essai::element;

namespace {

using CartesFenetre = essai::FenetreDocuments;

// « Localisation › Patronyme... » : le nom, puis la feuille, où le pays part de celui des
// préférences et la couleur se choisit par son bouton.
TEST_F(CartesFenetre, carteDePatronymeAvecSonPaysEtSaCouleur) {
    aiguillage.parNom["DIALOG_DEMNOM"] = [](QDialog& d) {
        essai::taper(d, "dumas");
        return essai::valider(d);
    };
    QString couleurMontree;
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        EXPECT_EQ(element<QComboBox>(d, "c2052")->currentText(), "France");
        auto* couleur = element<QPushButton>(d, "c2070");
        SelecteurFichier::reponses().push_back("#c00000");  // sélecteurs simulés pour tous les essais
        couleur->click();
        couleurMontree = couleur->property("couleur").toString();
        return essai::valider(d);
    };
    const auto document = produire(6603);
    EXPECT_EQ(document.filename().string().rfind("CL_DUMAS", 0), 0u) << document;
    EXPECT_EQ(couleurMontree, "#c00000");
}

TEST_F(CartesFenetre, carteDeMigrationDescendante) {
    aiguillage.parNom["DIALOG_DEMPERS_DESC"] = [](QDialog& d) {
        essai::taper(d, "Berthelot", "Claude");
        return essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) { return essai::valider(d); };
    const auto document = produire(6612);
    EXPECT_EQ(document.filename().string().rfind("CM_BERTHELOT", 0), 0u) << document;
}

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
