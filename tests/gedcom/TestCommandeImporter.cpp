// La commande « lignara importer » : rapport, résumé, copie de la base, codes de sortie.
#include <gtest/gtest.h>

#include "support/Programme.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "database/BaseGenealogique.h"
#include "database/VerificateurBase.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

using Sortie = lignara::essai::SortieProgramme;

Sortie lancer(const std::string& arguments) { return lignara::essai::lancerProgramme(arguments); }

std::string lireOctets(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(CommandeImporter, afficheLeRapportEtLeResumeEtGardeLaBase) {
    fs::path base = fs::temp_directory_path() / "essai-commande-importer.bin";
    fs::path rapport = fs::temp_directory_path() / "essai-commande-importer.txt";
    Sortie s = lancer(std::string("importer \"") + LIGNARA_DOSSIER_FIXTURES + "/mari-sans-fams.ged\" --base \"" +
                      base.string() + "\" --rapport \"" + rapport.string() + "\"");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.texte,
              "- Jean Roy ne fait pas référence au mariage @F1@ dont il est l'époux\r\n"
              "Personnes : 3\nFiches de famille : 2\nEmplacements d'événements : 1\n"
              "Têtes de branche : 1\nErreurs : 1\n");
    EXPECT_EQ(lireOctets(rapport),
              "- Jean Roy ne fait pas r\xE9"
              "f\xE9rence au mariage @F1@ dont il est l'\xE9poux\r\n");
    BaseGenealogique b = BaseGenealogique::ouvrir(base);
    EXPECT_EQ(b.nombreIndividus(), 3u);
    EXPECT_EQ(b.LireIndividu(3).mere, 2u);
    b.fermer();
    EXPECT_TRUE(VerificateurBase::verifier(base).empty());
    fs::remove(base);
    fs::remove(rapport);
}

TEST(CommandeImporter, unFichierAbsentDonneUnCodeNonNulEtLeMessage) {
    Sortie s = lancer("importer /nulle/part/absent.ged");
    EXPECT_NE(s.code, 0);
    EXPECT_EQ(s.texte, "Fichier /nulle/part/absent.ged inexistant\n");
}

}  // namespace
}  // namespace lignara
