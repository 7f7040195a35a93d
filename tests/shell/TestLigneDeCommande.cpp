// Le programme lancé comme un utilisateur le lance : l'aide répond à « --help » comme à
// « --aide », pour le programme et chaque commande, et toute aide ou erreur est en français.
#include <gtest/gtest.h>

#include <string>

#include "support/Programme.h"
#include "render/VersionProgramme.h"

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
    const auto help = lancerProgramme("--help");
    EXPECT_EQ(aide.code, 0);
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.texte, aide.texte);
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

TEST(LigneDeCommande, lesErreursDAnalyseSontEnFrancaisEtRenvoientALAideDeLaCommande) {
    const auto inattendu = lancerProgramme("lire a.ged --nimporte");
    EXPECT_NE(inattendu.code, 0);
    EXPECT_EQ(inattendu.texte,
              "Erreur : argument inattendu : --nimporte\nLancez « lignara lire --aide » pour l'aide.\n");
    const auto deux = lancerProgramme("x.ged y.ged z.ged");
    EXPECT_NE(deux.texte.find("Erreur : arguments inattendus : "), std::string::npos) << deux.texte;
    EXPECT_NE(deux.texte.find("Lancez « lignara --aide »"), std::string::npos) << deux.texte;
    const auto sansValeur = lancerProgramme("document --racine");
    EXPECT_NE(sansValeur.texte.find("Erreur : il manque la valeur de --racine"), std::string::npos) << sansValeur.texte;
    const auto genre = lancerProgramme("categories tester metiers boulanger");
    EXPECT_NE(genre.texte.find("Erreur : genre : « metiers » n'est pas l'une des valeurs professions,sources"),
              std::string::npos)
        << genre.texte;
    const auto obligatoire = lancerProgramme("essai-pdf");
    EXPECT_NE(obligatoire.texte.find("Erreur : SORTIE est obligatoire"), std::string::npos) << obligatoire.texte;
    const auto hors = lancerProgramme("essai-pdf /tmp/x.pdf --format 1800");
    EXPECT_NE(hors.texte.find("n'est pas entre 1702 et 1725"), std::string::npos) << hors.texte;
    for (const auto* s : {&inattendu, &deux, &sansValeur, &genre, &obligatoire, &hors}) sansAnglais(s->texte);
}

TEST(LigneDeCommande, laVersionEstCelleDesDocuments) {
    const auto version = lancerProgramme("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.texte, std::string("lignara ") + kVersionProgramme + kSuffixeConstruction + "\n");
}

}  // namespace
}  // namespace lignara
