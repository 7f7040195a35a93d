#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "FichierEssai.h"
#include "support/DossierEssai.h"
#include "support/Programme.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "gedcom/RecensementGedcom.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

fs::path fixture(const char* nom) { return fs::path(LIGNARA_DOSSIER_FIXTURES) / nom; }

TEST(RecensementGedcom, compteLesEnregistrementsParSorteEtGardeLeRapport) {
    auto r = RecensementGedcom::recenser(fixture("recensement-ansel-defauts-sans-trlr.ged"));
    EXPECT_EQ(r.jeu, JeuCaracteres::Ansel);
    EXPECT_EQ(r.individus, 3u);  // « 0 INDI » sans référence n'est pas un individu
    EXPECT_EQ(r.familles, 1u);
    EXPECT_EQ(r.sources, 1u);
    EXPECT_EQ(r.notes, 1u);
    EXPECT_EQ(r.objets, 1u);
    EXPECT_EQ(r.autres, 2u);  // REPO et l'individu ignoré
    EXPECT_EQ(r.lignes, 21);
    const char* const attendu[] = {
        "- Ligne 17 : référence Gedcom manquante"_1252,
        "- Ligne 19 : erreur de syntaxe"_1252,
        "- Ligne 21 : ligne trop longue (la norme Gedcom limite les lignes à 255 caractères)"_1252,
        "- Ligne 21 : fichier incomplet (un fichier Gedcom doit se terminer par \"0 TRLR\")"_1252,
    };
    EXPECT_EQ(r.rapport, std::vector<std::string>(std::begin(attendu), std::end(attendu)));
}

// Lit un contenu abîmé : seule issue permise hors rapport, le message du fichier sans ligne.
void recenserAbime(const std::string& contenu) {
    essai::FichierEssai e(contenu);
    try {
        auto r = RecensementGedcom::recenser(e.chemin());
        EXPECT_LE(r.individus, 3u);
    } catch (const OperationImpossible& ex) {
        EXPECT_EQ(std::string(ex.what()).rfind("Erreur de lecture du fichier", 0), 0u) << ex.what();
    }
}

TEST(RecensementGedcom, resisteAChaqueTroncature) {
    for (const char* nom : {"recensement-ansel-defauts-sans-trlr.ged", "utf16-le-avec-marque.ged"}) {
        std::string complet = essai::lireFichier(fixture(nom));
        ASSERT_FALSE(complet.empty());
        for (std::size_t n = 0; n < complet.size(); ++n) recenserAbime(complet.substr(0, n));
    }
}

TEST(RecensementGedcom, resisteAuxOctetsAlteresAGraineFixe) {
    for (const char* nom : {"recensement-ansel-defauts-sans-trlr.ged", "utf16-be-sans-marque.ged"}) {
        std::string complet = essai::lireFichier(fixture(nom));
        std::mt19937 alea(20261206);
        for (int essai = 0; essai < 300; ++essai) {
            std::string abime = complet;
            for (int k = 0; k < 4; ++k) abime[alea() % abime.size()] = static_cast<char>(alea() & 0xFF);
            recenserAbime(abime);
        }
    }
}

TEST(CommandeLire, afficheJeuComptesEtDefautsEnUtf8) {
    essai::SortieProgramme e =
        essai::lancerProgramme("lire '" + fixture("recensement-ansel-defauts-sans-trlr.ged").string() + "'");
    EXPECT_EQ(e.code, 0) << e.texte;
    for (const char* attendu : {"Jeu de caractères : ANSEL\n", "Individus (INDI) : 3\n", "Autres enregistrements : 2\n",
                                "Défauts relevés : 4\n", "- Ligne 19 : erreur de syntaxe\n"})
        EXPECT_NE(e.texte.find(attendu), std::string::npos) << attendu << "\n" << e.texte;
}

}  // namespace
}  // namespace lignara
