// « lignara favori » sur des favoris rangés par la fenêtre (le reste : tests/cli/favori*).
#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "GenealogieArbre.h"
#include "documents/Afficheur.h"
#include "support/Programme.h"
#include "reglages/DossierEssai.h"
#include "reglages/ReglagesFichier.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::DossierEssai;

struct CommandeFavori : ::testing::Test {
    DossierEssai dossier;
    fs::path ged;
    fs::path configuration;

    void SetUp() override {
        setenv("XDG_CONFIG_HOME", dossier.chemin().c_str(), 1);
        fs::create_directories(dossier / "famille");
        ged = dossier / "famille" / "sosa.ged";
        std::ofstream(ged) << essai::gedcomDeLiens(4, {{1, 2, 3}}, {{1, {"1900", ""}}});
        configuration = dossier / "lignara";
        fs::create_directories(configuration);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }
    essai::SortieProgramme lancer(const std::string& arguments) { return essai::lancerProgramme(arguments); }
    std::string fichier() const { return "'" + ged.string() + "'"; }
};

// Un favori typé sans paramètres, rangé par la fenêtre, n'a pas de dialogue pour les demander ici.
TEST_F(CommandeFavori, unFavoriSansParametresDemandeDeLeModifier) {
    ReglagesFichier r;
    r.favoris = {{"Rang\xE9", 1, {}}, {"", Favori::kSeparateur, {}}};
    enregistrerReglagesFichier(configuration, ged.string(), r);
    auto s = lancer("favori liste " + fichier());
    EXPECT_EQ(s.texte,
              "  1  Rangé | Arbre ascendant individuel (sans paramètres)\n"
              "  2  --------------------\n");
    s = lancer("favori executer " + fichier() + " 'Rang\xC3\xA9'");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("modifiez le favori"), std::string::npos) << s.texte;
}

TEST_F(CommandeFavori, lesLimitesDuDialogueSAppliquent) {
    ReglagesFichier r;
    for (int i = 0; i < 29; ++i) r.favoris.push_back({"F" + std::to_string(i), 1, {}});
    enregistrerReglagesFichier(configuration, ged.string(), r);

    auto s = lancer("favori ajouter " + fichier() + " F3 arbre-ascendant --racine @I1@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Le nom est déjà utilisé par un autre favori"), std::string::npos) << s.texte;

    s = lancer("favori ajouter " + fichier() + " f3 arbre-ascendant --racine @I1@");  // 30e
    ASSERT_EQ(s.code, 0) << s.texte;
    s = lancer("favori ajouter " + fichier() + " Trente-et-un arbre-ascendant --racine @I1@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("déjà 30 favoris"), std::string::npos) << s.texte;
    EXPECT_EQ(chargerReglagesFichier(configuration, ged.string()).favoris.size(), 30u);
}

}  // namespace
}  // namespace lignara
