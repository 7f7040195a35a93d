// Les statistiques par « lignara document », comme un utilisateur les lance, sur l'exemple livré.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "support/Programme.h"
#include "render/LecturePdf.h"
#include "support/Controles.h"

namespace lignara {
namespace {

class CommandeStatistiques : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dossier / "configuration");
        ::setenv("XDG_CONFIG_HOME", (dossier / "configuration").c_str(), 1);
        ::setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1);
        ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    }
    void TearDown() override {
        ::unsetenv("LIGNARA_DONNEES");
        ::unsetenv("SOURCE_DATE_EPOCH");
    }
    essai::SortieProgramme lancer(const std::string& type, const std::string& suite, const std::string& sortie) {
        return essai::lancerProgramme("document " + type + " '" + kExemple + "' " + suite + " --sortie '" +
                                      (dossier / sortie).string() + "'");
    }

    const std::string kExemple = std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged";
    essai::DossierEssai dossier;
};

TEST_F(CommandeStatistiques, lesCinqStatistiquesEcriventUnPdfValide) {
    const std::pair<const char*, const char*> commandes[] = {
        {"stat-ages-completes", "--option 'Type=âge au décès'"},
        {"stat-ages-ascendantes", "--racine @I27@ --option \"Indique l'évolution au cours des siècles=non\""},
        {"stat-naissances-descendantes",
         "--racine @I1@ --option 'Regroupement par intervalles de=10' --option 'Intègre les conjoints des "
         "descendants=non'"},
        {"stat-professions-completes", "--option 'Affiche la liste des catégories=oui'"},
        {"stat-sources-completes", "--option 'Limite à une seule catégorie par personne=oui'"},
        {"stat-generations", "--racine @I27@"},
    };
    int n = 0;
    for (const auto& [type, suite] : commandes) {
        const std::string nom = "s" + std::to_string(++n) + ".pdf";
        const essai::SortieProgramme s = lancer(type, suite, nom);
        ASSERT_EQ(s.code, 0) << type << " : " << s.texte;
        ASSERT_TRUE(std::filesystem::exists(dossier / nom)) << type;
        essai::controlerPdf(dossier / nom);
    }
}

TEST_F(CommandeStatistiques, unFichierDeCategoriesIncorrectSeSignaleDansLeTerminal) {
    std::filesystem::create_directories(dossier / "configuration" / "lignara");
    std::ofstream(dossier / "configuration" / "lignara" / "Metiers.dwa", std::ios::binary) << "abime";
    const essai::SortieProgramme s = lancer("stat-professions-completes", "", "p.pdf");
    EXPECT_NE(s.code, 0);
    EXPECT_EQ(s.texte, "Fichier des catégories professionnelles incorrect\nVous devez le reconstruire\n");
    EXPECT_FALSE(std::filesystem::exists(dossier / "p.pdf"));
}

TEST_F(CommandeStatistiques, lesVariantesCompletesNeDemandentPersonneNiConjoints) {
    essai::SortieProgramme s = lancer("stat-ages-completes", "--racine @I1@", "a.pdf");
    EXPECT_NE(s.code, 0);
    s = lancer("stat-naissances-completes", "--option 'Intègre les conjoints des descendants=non'", "b.pdf");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Regroupement par intervalles de"), std::string::npos) << s.texte;
    s = lancer("stat-naissances-completes", "--option 'Regroupement par intervalles de=0'", "c.pdf");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("1 à 100"), std::string::npos) << s.texte;
}

}  // namespace
}  // namespace lignara
