#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "FichierEssai.h"
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

std::string contenuDe(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
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
        std::string complet = contenuDe(fixture(nom));
        ASSERT_FALSE(complet.empty());
        for (std::size_t n = 0; n < complet.size(); ++n) recenserAbime(complet.substr(0, n));
    }
}

TEST(RecensementGedcom, resisteAuxOctetsAlteresAGraineFixe) {
    for (const char* nom : {"recensement-ansel-defauts-sans-trlr.ged", "utf16-be-sans-marque.ged"}) {
        std::string complet = contenuDe(fixture(nom));
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
    for (const char* attendu :
         {"Jeu de caractères : ANSEL\n", "Individus (INDI) : 3\n", "Familles (FAM) : 1\n", "Sources (SOUR) : 1\n",
          "Notes (NOTE) : 1\n", "Objets (OBJE) : 1\n", "Autres enregistrements : 2\n", "Défauts relevés : 4\n",
          "- Ligne 19 : erreur de syntaxe\n",
          "- Ligne 21 : ligne trop longue (la norme Gedcom limite les lignes à 255 caractères)\n"})
        EXPECT_NE(e.texte.find(attendu), std::string::npos) << attendu << "\n" << e.texte;
}

TEST(CommandeLire, signaleUnFichierUtf16Transcode) {
    essai::SortieProgramme e = essai::lancerProgramme("lire '" + fixture("utf16-be-sans-marque.ged").string() + "'");
    EXPECT_EQ(e.code, 0);
    EXPECT_NE(e.texte.find("Jeu de caractères : UTF-8 (fichier UTF-16 transcodé)"), std::string::npos) << e.texte;
    EXPECT_NE(e.texte.find("Aucun défaut relevé."), std::string::npos) << e.texte;
}

TEST(CommandeLire, echoueAvecLeMessageFrancaisQuandLeFichierEstIllisible) {
    essai::SortieProgramme absent = essai::lancerProgramme("lire /nexiste/pas.ged");
    EXPECT_NE(absent.code, 0);
    EXPECT_NE(absent.texte.find("Fichier /nexiste/pas.ged inexistant"), std::string::npos) << absent.texte;
    essai::SortieProgramme dossier = essai::lancerProgramme("lire '" + std::string(LIGNARA_DOSSIER_FIXTURES) + "'");
    EXPECT_NE(dossier.code, 0);
    EXPECT_NE(dossier.texte.find("Lecture impossible du fichier Gedcom"), std::string::npos) << dossier.texte;
    essai::SortieProgramme peripherique = essai::lancerProgramme("lire /dev/null");
    EXPECT_NE(peripherique.code, 0);
    EXPECT_NE(peripherique.texte.find("/dev/null\nCe n'est pas un fichier ordinaire"), std::string::npos)
        << peripherique.texte;
    essai::FichierEssai fichierVide("");
    essai::SortieProgramme vide = essai::lancerProgramme("lire '" + fichierVide.chemin().string() + "'");
    EXPECT_NE(vide.code, 0);
    EXPECT_NE(
        vide.texte.find("Erreur de lecture du fichier " + fichierVide.chemin().string() + "\nLe fichier est vide."),
        std::string::npos)
        << vide.texte;
}

bool estGedcom(const fs::path& p) {
    std::string ext = p.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".ged" || ext == ".gedcom";
}

// Chaque fichier réel se lit jusqu'au bout, sans plantage (les sanitiseurs veillent) : une
// lecture impossible ne peut être qu'un fichier sans aucune ligne GEDCOM.
TEST(RecensementGedcom, litChaqueFichierReelSansPlanter) {
    fs::path dossier = LIGNARA_DOSSIER_TESTDATA;
    std::error_code ec;
    if (!fs::is_directory(dossier, ec)) GTEST_SKIP() << "dossier absent : " << dossier;
    std::size_t fichiers = 0, individus = 0;
    for (const auto& entree : fs::recursive_directory_iterator(dossier, ec)) {
        if (!entree.is_regular_file() || !estGedcom(entree.path())) continue;
        ++fichiers;
        try {
            auto r = RecensementGedcom::recenser(entree.path());
            individus += r.individus;
            EXPECT_GT(r.lignes, 0) << entree.path();
        } catch (const OperationImpossible& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Erreur de lecture du fichier", 0), 0u)
                << entree.path() << " : " << e.what();
        }
    }
    EXPECT_GT(fichiers, 0u);
    EXPECT_GT(individus, fichiers);
}

TEST(RecensementGedcom, retrouveLesEffectifsConnusDesGrandsFichiersReels) {
    fs::path dossier = LIGNARA_DOSSIER_TESTDATA;
    std::error_code ec;
    if (!fs::is_directory(dossier, ec)) GTEST_SKIP() << "dossier absent : " << dossier;
    const std::array<std::pair<const char*, std::size_t>, 5> connus = {{
        {"dj-gedcom-samples/Queen.ged", 4683},
        {"findmypast-samples/Queen.ged", 4683},  // fins de ligne mêlées, lignes nues
        {"gedcom4j-samples/5.5.1 sample 3.ged", 4578},
        {"porges-mdf/royal92.ged", 3010},
        {"dj-gedcom-samples/pres2020.ged", 2322},
    }};
    for (auto [nom, n] : connus) {
        if (!fs::exists(dossier / nom)) continue;
        EXPECT_EQ(RecensementGedcom::recenser(dossier / nom).individus, n) << nom;
    }
}

TEST(RecensementGedcom, memeArbreDansTousSesCodagesDonneLesMemesComptes) {
    fs::path dossier = fs::path(LIGNARA_DOSSIER_TESTDATA) / "gedcom4j-samples";
    std::error_code ec;
    if (!fs::is_directory(dossier, ec)) GTEST_SKIP() << "dossier absent : " << dossier;
    std::vector<RecensementGedcom> recensements;
    for (const auto& entree : fs::directory_iterator(dossier, ec)) {
        std::string nom = entree.path().filename().string();
        if (nom.rfind("willis", 0) == 0 && estGedcom(entree.path()))
            recensements.push_back(RecensementGedcom::recenser(entree.path()));
    }
    ASSERT_GE(recensements.size(), 3u);
    for (const auto& r : recensements) {
        EXPECT_EQ(r.individus, 761u);
        EXPECT_EQ(r.familles, recensements[0].familles);
        EXPECT_EQ(r.notes, recensements[0].notes);
    }
}

}  // namespace
}  // namespace lignara
