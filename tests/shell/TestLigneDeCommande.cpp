// Le programme lancé comme un utilisateur le lance : l'aide répond à « --help » comme à
// « --aide », pour le programme et chaque commande, et toute aide est en français. Les erreurs
// d'analyse sont dans la transcription tests/cli/erreurs-d-analyse.
#include <gtest/gtest.h>

#include <string>

#include "render/VersionProgramme.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using essai::lancerProgramme;

// Les textes anglais de CLI11 qui ne doivent jamais paraître.
void sansAnglais(const std::string& texte) {
    for (const char* anglais : {"Subcommands", "Usage", "Positionals", "REQUIRED", "not expected", "is required",
                                "Expected", "Could not", "TEXT ", "Options:\n  -h,--help,"})
        EXPECT_EQ(texte.find(anglais), std::string::npos) << anglais << "\n" << texte;
}

TEST(LigneDeCommande, helpEtAideDonnentLaMemeAideFrancaise) {
    const auto aide = lancerProgramme("--aide");
    EXPECT_EQ(aide.code, 0);
    EXPECT_EQ(lancerProgramme("--help").texte, aide.texte);
    EXPECT_EQ(lancerProgramme("-h").texte, aide.texte);
    EXPECT_NE(aide.texte.find("COMMANDES:\n  categories"), std::string::npos) << aide.texte;
    EXPECT_NE(aide.texte.find("Utilisation: lignara"), std::string::npos) << aide.texte;
    sansAnglais(aide.texte);
    for (const char* commande : {"document", "importer", "preferences", "categories", "categories compiler"}) {
        const auto sous = lancerProgramme(std::string(commande) + " --help");
        EXPECT_EQ(sous.code, 0) << commande;
        EXPECT_EQ(sous.texte, lancerProgramme(std::string(commande) + " --aide").texte) << commande;
        EXPECT_NE(sous.texte.find(std::string("Utilisation: lignara ") + commande), std::string::npos) << sous.texte;
        sansAnglais(sous.texte);
    }
}

TEST(LigneDeCommande, laVersionEstCelleDesDocuments) {
    const auto version = lancerProgramme("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.texte, std::string("lignara ") + kVersionProgramme + kSuffixeConstruction + "\n");
}

}  // namespace
}  // namespace lignara
