#include <gtest/gtest.h>

#include "support/Message.h"
#include "TestCategorieDossiers.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"
#include "reference/Categories.h"
#include "support/Programme.h"

using namespace lignara;
using essai::DossiersEssai;
using essai::messageDe;

namespace {

std::string definitionLivree(const char* nom) {
    return depuisUtf8(DossiersEssai::lire(std::string(LIGNARA_DOSSIER_SOURCES) + "/data/Categories/" + nom));
}

std::vector<std::string> nomsAccordes(CategorieAutomate& a, const std::string& texte) {
    std::vector<std::string> noms;
    for (auto c : a.categoriesDuTexte(texte)) noms.push_back(versUtf8(a.noms()[c]));
    return noms;
}

class CategoriesEssai : public ::testing::Test {
protected:
    DossiersEssai d;
};

}  // namespace

TEST_F(CategoriesEssai, chargeLeFichierDeLUtilisateurAvantCeluiDeReferenceEtUneCompilationImpossibleLeLaisseEntier) {
    Categories::compilerVers(Categories::compileReference(0), 0, "Reference\r\n\tmeunier\r\n");
    EXPECT_EQ(Categories::charger(0).noms()[0], "Reference");
    Categories::compiler(0, "Utilisateur\r\n\tmeunier\r\n");
    EXPECT_EQ(Categories::charger(0).noms()[0], "Utilisateur");
    EXPECT_TRUE(std::filesystem::exists(d.configuration() / "Metiers.dwa"));
    // Un lien à la place du fichier compilé est refusé (message essayé avec le rédacteur commun) ; sa cible reste.
    const std::string avant = DossiersEssai::lire(d.configuration() / "Metiers.dwa");
    std::filesystem::rename(d.configuration() / "Metiers.dwa", d.configuration() / "leurre");
    std::filesystem::create_symlink(d.configuration() / "leurre", d.configuration() / "Metiers.dwa");
    EXPECT_THROW(Categories::compiler(0, "Nouveau\r\n"), OperationImpossible);
    EXPECT_EQ(DossiersEssai::lire(d.configuration() / "leurre"), avant);
}

TEST_F(CategoriesEssai, unFichierDUneAutreVersionOuTronqueEstIncorrectSaufEn403QuiEstReconstruit) {
    DossiersEssai::ecrire(d.configuration() / "Metiers.dwa", std::string("\xF6\x01\x06\x00\x00\x00", 6));
    EXPECT_EQ(messageDe([] { Categories::charger(0); }),
              "Fichier des catégories professionnelles incorrect\nVous devez le reconstruire"_1252);
    DossiersEssai::ecrire(d.configuration() / "Sources.dwa", "");
    // La fenêtre ouvre alors la définition du genre en cause.
    try {
        Categories::charger(1);
        ADD_FAILURE() << "fichier incorrect accepté";
    } catch (const CategoriesIncorrectes& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Fichier des catégories de sources incorrect\nVous devez le reconstruire"_1252);
        EXPECT_EQ(e.genre(), Categories::kSources);
    }
    // Sauf en version 403 : il est reconstruit depuis la définition.
    DossiersEssai::ecrire(d.configuration() / "Metiers.txt", "Forge\r\n\tforgeron\r\n");
    DossiersEssai::ecrire(d.configuration() / "Metiers.dwa", std::string("\x93\x01\x00\x00", 4));
    EXPECT_EQ(Categories::charger(0).categoriesDuTexte("forgeronne"), std::vector<std::uint8_t>{0});
    EXPECT_EQ(DossiersEssai::lire(d.configuration() / "Metiers.dwa").substr(0, 2), "\xF5\x01");
}

// Sans aucun fichier, les messages nomment ce qui manque ; une définition de plus de 50 000 octets est refusée.
TEST_F(CategoriesEssai, laDefinitionDeLUtilisateurPasseAvantLaReferenceEtEstBornee) {
    EXPECT_EQ(messageDe([] { Categories::charger(1); }),
              "Ouverture impossible du fichier " + (d.installation() / "SourcesRef.dwa").string());
    EXPECT_EQ(messageDe([] { Categories::lireDefinition(0); }),
              "Ouverture impossible du fichier des catégories professionnelles.\nRéinstallez Lignara"_1252);
    DossiersEssai::ecrire(d.installation() / "MetiersRef.txt", "Ref\r\n");
    EXPECT_EQ(Categories::lireDefinition(0), "Ref\r\n");
    DossiersEssai::ecrire(d.configuration() / "Metiers.txt", "Perso\r\n");
    EXPECT_EQ(Categories::lireDefinition(0), "Perso\r\n");
    DossiersEssai::ecrire(d.configuration() / "Sources.txt", std::string(50000, 'x'));
    EXPECT_EQ(Categories::lireDefinition(1).size(), 50000u);
    DossiersEssai::ecrire(d.configuration() / "Sources.txt", std::string(50001, 'x'));
    EXPECT_THROW(Categories::lireDefinition(1), OperationImpossible);
}

// Les définitions livrées se compilent sans remarque, en 23 catégories au plus (toutes dans les
// arbres chromatiques), et classent les métiers anciens et les abréviations des archives.
TEST(CommandeCategories, testerAfficheUneCategorieParLigneEtLesDefinitionsLivreesClassentLesTextesAnciens) {
    DossiersEssai d;
    Categories::compilerVers(Categories::compileReference(0), 0, "Bois\r\n\tsabotier\r\nMarine\r\n\tmarin\r\n"_1252);
    const auto s = essai::lancerProgramme("categories tester professions " + essai::cite("Marine, sabotière et marin") +
                                          " 2>/dev/null");
    EXPECT_EQ(std::pair(s.texte, s.code), std::pair(std::string("Marine\nBois\n"), 0));
    EXPECT_EQ(essai::lancerProgramme("categories tester professions notaire 2>/dev/null").texte, "");
    auto compiler = [](const char* nom, bool professions) {
        CategorieCompilateur c(CategorieDefinition::lire(definitionLivree(nom)), professions);
        EXPECT_TRUE(c.avertissements().empty()) << nom;
        auto a = *CategorieAutomate::lire(c.image());
        EXPECT_LE(a.nombre(), 23u) << nom;
        return a;
    };
    auto a = compiler("MetiersRef.txt", true);
    for (const char* metier : {"laboureur", "brassier", "Cultivatrice"})
        EXPECT_EQ(nomsAccordes(a, metier), std::vector<std::string>{"Agriculture, élevage et pêche"}) << metier;
    EXPECT_EQ(nomsAccordes(a, "notaire royal"), std::vector<std::string>{"Justice, notariat et administration"});
    EXPECT_EQ(nomsAccordes(a, depuisUtf8("maréchal-ferrant")), std::vector<std::string>{"Métaux et forge"});
    EXPECT_EQ(nomsAccordes(a, "curé, vicaire"_1252), std::vector<std::string>{"Clergé et religion"});
    a = compiler("SourcesRef.txt", false);
    EXPECT_EQ(nomsAccordes(a, "AD 35, BMS de Rennes"),
              (std::vector<std::string>{"Archives publiques et bibliothèques", "Registres paroissiaux"}));
    EXPECT_EQ(nomsAccordes(a, "registre matricule, classe 1912"), std::vector<std::string>{"Archives militaires"});
}
