// Démarrage et sortie du programme : préférences et compteurs lus, puis à la sortie compteurs
// rangés, documents effacés, fichier fermé — même quand les compteurs ne peuvent être écrits.
#include <gtest/gtest.h>

#include <fstream>

#include "documents/Afficheur.h"
#include "session/Demarrage.h"
#include "support/DossierEssai.h"

namespace lignara {
namespace {

using essai::DossierEssai;
namespace fs = std::filesystem;

const std::string kFamille =
    "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jean /Dupont/\n0 @I2@ INDI\n1 NAME Anne /Roux/\n"
    "0 @I3@ INDI\n1 NAME Luc /Roux/\n0 TRLR\n";

TEST(Demarrage, laSortieRangeLesCompteursEffaceLesDocumentsEtFermeLeFichier) {
    DossierEssai configuration, sortie, sources;
    CompteursUsage avant;
    avant.compteurs[3] = 7;
    enregistrerCompteursUsage(avant, configuration.chemin());
    Demarrage programme = Demarrage::demarrer(configuration.chemin(), sortie.chemin());
    EXPECT_EQ(programme.compteurs.compteurs[3], 7);
    std::ofstream(sources / "famille.ged") << kFamille;
    FichierOuvert fichier(programme.dossierConfiguration, programme.dossierSortie);
    fichier.ouvrir(sources / "famille.ged");
    fs::path base = fichier.base().chemin();
    std::ofstream(sortie / "AA_Dupont.pdf") << "%PDF";
    programme.compteurs.compter(5);

    EXPECT_TRUE(programme.quitter(fichier, prefixesDocuments()));
    EXPECT_FALSE(fs::exists(base));
    EXPECT_TRUE(sortie.noms().empty());
    CompteursUsage relus = chargerCompteursUsage(configuration.chemin());
    EXPECT_EQ(relus.personnesDernierFichier, 3);
    EXPECT_EQ(relus.compteurs[5], 1);
}

TEST(Demarrage, desCompteursImpossiblesAEcrireNEmpechentPasLeResteDeLaSortie) {
    DossierEssai configuration, sortie, sources;
    Demarrage programme = Demarrage::demarrer(configuration / "absent", sortie.chemin());
    std::ofstream(sources / "famille.ged") << kFamille;
    FichierOuvert fichier(configuration.chemin(), sortie.chemin());
    fichier.ouvrir(sources / "famille.ged");
    std::ofstream(sortie / "LD_Roux.txt") << "liste";

    EXPECT_FALSE(programme.quitter(fichier, prefixesDocuments()));
    EXPECT_FALSE(fichier.ouvert());
    EXPECT_TRUE(sortie.noms().empty());
}

}  // namespace
}  // namespace lignara
