// « lignara favori » lancé comme un utilisateur le lance, avec un dossier de configuration et
// un fichier GEDCOM propres à l'essai.
#include <cstdlib>
#include <fstream>
#include <regex>

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

std::string sansDateDeCreation(const std::string& octets) {
    return std::regex_replace(octets, std::regex("/CreationDate \\(D:[0-9]+\\)"), "/CreationDate (D:X)");
}

struct CommandeFavori : ::testing::Test {
    DossierEssai dossier;
    fs::path ged;
    fs::path configuration;

    void SetUp() override {
        setenv("XDG_CONFIG_HOME", dossier.chemin().c_str(), 1);
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        fs::create_directories(dossier / "famille");
        ged = dossier / "famille" / "sosa.ged";
        std::ofstream(ged) << essai::gedcomDeLiens(4, {{1, 2, 3}}, {{1, {"1900", ""}}});
        configuration = dossier / "lignara";
        fs::create_directories(configuration);
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("SOURCE_DATE_EPOCH");
    }
    essai::SortieProgramme lancer(const std::string& arguments) { return essai::lancerProgramme(arguments); }
    std::string fichier() const { return "'" + ged.string() + "'"; }
};

TEST_F(CommandeFavori, ajouteListeEtExecuteCommeLaCommandeDocument) {
    auto s = lancer("favori ajouter " + fichier() +
                    " 'Arbre de P1' arbre-ascendant --racine @I1@ "
                    "--option 'Fond de page=Siècles'");
    ASSERT_EQ(s.code, 0) << s.texte;

    s = lancer("favori liste " + fichier());
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.texte, "  1  Arbre de P1 | Arbre ascendant individuel\n");

    const fs::path favori = dossier / "favori.pdf";
    const fs::path direct = dossier / "direct.pdf";
    s = lancer("favori executer " + fichier() + " 'Arbre de P1' --sortie '" + favori.string() + "'");
    ASSERT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(s.texte, favori.string() + "\n");
    s = lancer("document arbre-ascendant " + fichier() + " --racine @I1@ --option 'Fond de page=Siècles' --sortie '" +
               direct.string() + "'");
    ASSERT_EQ(s.code, 0) << s.texte;
    const std::string attendu = lignara::essai::lireFichier(direct);
    ASSERT_EQ(attendu.substr(0, 5), "%PDF-");
    EXPECT_TRUE(sansDateDeCreation(lignara::essai::lireFichier(favori)) == sansDateDeCreation(attendu));

    // Les noms se comparent casse comprise.
    s = lancer("favori executer " + fichier() + " 'arbre de P1'");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Aucun favori « arbre de P1 »"), std::string::npos) << s.texte;
}

TEST_F(CommandeFavori, leBlocEstCeluiDuCheminAbsoluQueLaFenetreEmploie) {
    ReglagesFichier r;
    r.favoris = {{"Rang\xE9", 1, {}}, {"", Favori::kSeparateur, {}}};
    enregistrerReglagesFichier(configuration, ged.string(), r);
    // Chemin relatif, avec « .. » : le même bloc.
    auto s = essai::lancerProgramme("--version >/dev/null; cd '" + dossier.chemin().string() + "' && \"" +
                                    LIGNARA_PROGRAMME + "\" favori liste famille/../famille/sosa.ged");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(s.texte,
              "  1  Rangé | Arbre ascendant individuel (sans paramètres)\n"
              "  2  --------------------\n");
    // Un favori typé sans paramètres n'a pas de dialogue pour les demander ici.
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
    s = lancer("favori ajouter " + fichier() + " '" + std::string(81, 'n') + "' arbre-ascendant --racine @I1@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("80 caractères"), std::string::npos) << s.texte;
    s = lancer("favori ajouter " + fichier() + " Inconnu arbre-ascendant --racine 'Personne /Absente/'");
    EXPECT_NE(s.code, 0);
    EXPECT_EQ(chargerReglagesFichier(configuration, ged.string()).favoris.size(), 29u);

    s = lancer("favori ajouter " + fichier() + " f3 arbre-ascendant --racine @I1@");  // 30e
    ASSERT_EQ(s.code, 0) << s.texte;
    s = lancer("favori ajouter " + fichier() + " Trente-et-un arbre-ascendant --racine @I1@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("déjà 30 favoris"), std::string::npos) << s.texte;
    auto favoris = chargerReglagesFichier(configuration, ged.string()).favoris;
    ASSERT_EQ(favoris.size(), 30u);
    EXPECT_EQ(favoris.back().nom, "f3");
    EXPECT_FALSE(favoris.back().parametres.empty());
}

// Les cartes de patronyme et du fichier entier n'ont pas de personne de tête (rangée comme
// « aucune ») : leurs favoris se lancent quand même, et donnent la carte de « lignara document ».
TEST_F(CommandeFavori, lesCartesSansPersonneDeTeteSeRangentEtSeLancent) {
    const std::string exemple =
        "'" + (fs::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged").string() + "'";
    setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1);
    auto s = lancer("favori ajouter " + exemple + " Patronyme carte-patronyme --patronyme berthelot");
    ASSERT_EQ(s.code, 0) << s.texte;
    s = lancer("favori ajouter " + exemple + " Tout carte-localisation-complete");
    ASSERT_EQ(s.code, 0) << s.texte;
    s = lancer("favori ajouter " + exemple + " Personne carte-patronyme --racine @I1@");
    EXPECT_NE(s.code, 0);
    for (const char* nom : {"Patronyme", "Tout"}) {
        const fs::path favori = dossier / (std::string(nom) + "-favori.pdf");
        const fs::path direct = dossier / (std::string(nom) + "-direct.pdf");
        s = lancer(std::string("favori executer ") + exemple + " " + nom + " --sortie '" + favori.string() + "'");
        ASSERT_EQ(s.code, 0) << nom << " : " << s.texte;
        const std::string commande =
            std::string(nom) == "Tout" ? "carte-localisation-complete " : "carte-patronyme --patronyme berthelot ";
        s = lancer("document " + commande + exemple + " --sortie '" + direct.string() + "'");
        ASSERT_EQ(s.code, 0) << s.texte;
        const std::string attendu = lignara::essai::lireFichier(direct);
        ASSERT_EQ(attendu.substr(0, 5), "%PDF-");
        EXPECT_TRUE(sansDateDeCreation(lignara::essai::lireFichier(favori)) == sansDateDeCreation(attendu)) << nom;
    }
    unsetenv("LIGNARA_DONNEES");
}

}  // namespace
}  // namespace lignara
