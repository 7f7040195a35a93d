// Un favori lancé sans dialogue, et l'édition de ses paramètres après le dialogue « Favori ».
#include "documents/ExecutionFavori.h"

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "GenealogieArbre.h"
#include "support/Message.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/Afficheur.h"
#include "documents/ParametresLigneCommande.h"
#include "reglages/DossierEssai.h"
#include "render/PoliceFamille.h"

namespace lignara {
namespace {

using essai::DossierEssai;

std::vector<std::uint8_t> octetsDe(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

// Source qui compte ses appels ; elle peut gonfler le nom de la tête pour faire déborder le bloc.
struct SourceEssai : SourceParametres {
    int* appels;
    bool reussite;
    std::size_t texte;
    SourceEssai(int* a, bool r, std::size_t t) : appels(a), reussite(r), texte(t) {}
    bool parametrer(Document& document, const ContexteDocument&) override {
        ++*appels;
        document.parametres[0] = std::int32_t{1};
        if (texte) document.parametres[1] = std::string(texte, 'x');
        return reussite;
    }
};

struct FavoriEssai : ::testing::Test {
    DossierEssai dossier;
    FichierOuvert fichier{dossier / "configuration", dossier / "temporaire"};
    Configuration preferences;
    std::vector<std::string> messages;
    ReglagesMiseEnRoute reglages;
    int appels = 0;

    void SetUp() override {
        setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1);
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        std::filesystem::create_directories(dossier / "configuration");
        std::filesystem::create_directories(dossier / "temporaire");
        std::filesystem::create_directories(dossier / "sortie");
        std::ofstream(dossier / "sosa.ged") << essai::gedcomDeLiens(4, {{1, 2, 3}}, {{1, {"1900", ""}}});
        ouvrir();
        reglages.messages = [this](const std::string& m) { messages.push_back(m); };
        reglages.dossierSortie = dossier / "sortie";
        reglages.visualiser = false;
    }
    void TearDown() override {
        PoliceFamille::liberer();
        unsetenv("LIGNARA_DONNEES");
        unsetenv("SOURCE_DATE_EPOCH");
    }
    void ouvrir() {
        OptionsOuverture options;
        options.surveiller = false;
        fichier.ouvrir(dossier / "sosa.ged", options);
    }
    SourcePourContexte ligne(const std::string& racine) {
        return [racine](const ContexteDocument&) {
            DemandeDocument demande;
            demande.racine = racine;
            return std::make_unique<ParametresLigneCommande>(
                demande, [](const std::string& d) { return static_cast<std::int32_t>(d[1] - '0'); });
        };
    }
    SourcePourContexte essai(bool reussite, std::size_t texte = 0) {
        return [this, reussite, texte](const ContexteDocument&) {
            return std::make_unique<SourceEssai>(&appels, reussite, texte);
        };
    }
    // Favori de l'arbre ascendant de P1 (né en 1900), fait comme le dialogue le fait.
    Favori favoriDeP1() {
        Favori f{"Arbre", 1, {}};
        parametrerFavori(f, Favori{"", Favori::kSansType, {}}, fichier, preferences, reglages, ligne("P1"));
        return f;
    }
};

TEST_F(FavoriEssai, leFavoriDonneLeMemeDocumentQueSesParametresDonnes) {
    Favori f = favoriDeP1();
    reglages.sortieImposee = dossier / "favori.pdf";
    ASSERT_TRUE(lancerFavori(f, fichier, preferences, reglages));
    reglages.sortieImposee = dossier / "direct.pdf";
    ASSERT_TRUE(mettreEnRoute(*afficheurDeCode(1), fichier, preferences, reglages, ligne("P1")));
    EXPECT_FALSE(octetsDe(dossier / "favori.pdf").empty());
    EXPECT_EQ(octetsDe(dossier / "favori.pdf"), octetsDe(dossier / "direct.pdf"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FavoriEssai, unSeparateurOuUnCodeSansTypeNeFontRien) {
    for (std::uint8_t code : {Favori::kSeparateur, Favori::kSansType, std::uint8_t{33}, std::uint8_t{200}}) {
        Favori f{"X", code, {1, 2, 3}};
        EXPECT_FALSE(lancerFavori(f, fichier, preferences, reglages, essai(true)));
    }
    EXPECT_EQ(appels, 0);
    EXPECT_TRUE(std::filesystem::is_empty(dossier / "sortie"));
}

TEST_F(FavoriEssai, lesPersonnesSeRetrouventApresUnNouvelImportEtUnAbsentArreteTout) {
    Favori f = favoriDeP1();
    // Réimport : deux personnes de plus avant P1, les numéros changent.
    std::ofstream(dossier / "sosa.ged") << "0 HEAD\n1 CHAR ANSI\n0 @I7@ INDI\n1 NAME Autre /AAA/\n"
                                           "0 @I8@ INDI\n1 NAME Encore /AAB/\n"
                                           "0 @I9@ INDI\n1 NAME P1 /N1/\n1 BIRT\n2 DATE 1900\n0 TRLR\n";
    ouvrir();
    auto chemin = lancerFavori(f, fichier, preferences, reglages);
    ASSERT_TRUE(chemin);
    EXPECT_EQ(std::filesystem::path(*chemin).filename(), "AA_N1.pdf");
    // Même nom, autre naissance : ce n'est plus la personne du favori.
    std::ofstream(dossier / "sosa.ged")
        << "0 HEAD\n1 CHAR ANSI\n0 @I9@ INDI\n1 NAME P1 /N1/\n1 BIRT\n2 DATE 1901\n0 TRLR\n";
    ouvrir();
    EXPECT_FALSE(lancerFavori(f, fichier, preferences, reglages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("n'est plus accessible dans la base"), std::string::npos) << messages[0];
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier / "sortie"), {}), 1);  // AA_N1.pdf seul
}

TEST_F(FavoriEssai, unDebordementGardeLeTypeEtLesParametresDAvant) {
    Favori avant = favoriDeP1();
    Favori f = avant;
    f.type = 38;  // arbre ascendant familial : les paramètres sont jetés puis demandés
    parametrerFavori(f, avant, fichier, preferences, reglages, essai(true, 1990));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Le favori contient trop de paramètres"_1252);
    EXPECT_EQ(f.type, avant.type);
    EXPECT_EQ(f.parametres, avant.parametres);
}

}  // namespace
}  // namespace lignara
