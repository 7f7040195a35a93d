// La mise en route commune à la fenêtre et à la ligne de commande : contexte, destination, comptes.
#include "documents/MiseEnRoute.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "GenealogieArbre.h"
#include "commun/Texte.h"
#include "documents/ParametresLigneCommande.h"
#include "documents/PoliceAuHasard.h"
#include "render/pdf/ObjetPdfPolice.h"
#include "reglages/DossierEssai.h"
#include "render/PoliceFamille.h"

namespace lignara {
namespace {

using essai::DossierEssai;

struct MiseEnRouteEssai : ::testing::Test {
    DossierEssai dossier;
    FichierOuvert fichier{dossier / "configuration", dossier / "temporaire"};
    Configuration preferences;
    CompteursUsage compteurs;
    std::vector<std::string> messages;
    std::vector<bool> attentes;
    ReglagesMiseEnRoute reglages;

    void SetUp() override {
        setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1);  // chronologies livrées
        for (const char* d : {"configuration", "temporaire", "sortie"})
            std::filesystem::create_directories(dossier / d);
        // 1 né en 1900, fils de 2 et 3 ; 4 seul et sans date.
        std::ofstream(dossier / "sosa.ged") << essai::gedcomDeLiens(4, {{1, 2, 3}}, {{1, {"1900", ""}}});
        OptionsOuverture options;
        options.surveiller = false;
        fichier.ouvrir(dossier / "sosa.ged", options);
        preferences.afficheurs = {"true", "true", "true", "true"};
        reglages.messages = [this](const std::string& m) { messages.push_back(m); };
        reglages.curseurAttente = [this](bool enAttente) { attentes.push_back(enAttente); };
        reglages.dossierSortie = dossier / "sortie";
        reglages.visualiser = false;
        reglages.compteurs = &compteurs;
    }
    void TearDown() override {
        PoliceFamille::liberer();
        unsetenv("LIGNARA_DONNEES");
    }

    // Arbre ascendant de P1 par la ligne de commande, avec ces options.
    std::optional<std::string> lancer(std::vector<std::string> options = {}) {
        DemandeDocument demande;
        demande.racine = "P1";
        demande.options = std::move(options);
        return mettreEnRoute(*afficheurDeCode(1), fichier, preferences, reglages, [&](const ContexteDocument& c) {
            EXPECT_EQ(c.base, &fichier.base());
            EXPECT_EQ(c.preferences, &preferences);
            return std::make_unique<ParametresLigneCommande>(demande, [](const std::string& designation) {
                return static_cast<std::int32_t>(designation[1] - '0');
            });
        });
    }
};

TEST_F(MiseEnRouteEssai, ecritDansLaDestinationDonneeEtCompteLaVariante) {
    auto chemin = lancer({"Fond de page=Siècles"});
    ASSERT_TRUE(chemin);
    EXPECT_EQ(std::filesystem::path(*chemin), dossier / "sortie" / "AA_N1.pdf");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(compteurs.compteurs[afficheurDeCode(1)->compteur + 1], 1);  // chronologique
    // L'attente des tables dérivées, quand elle a lieu, rend le curseur qu'elle a pris.
    ASSERT_EQ(attentes.size() % 2, 0u);
    for (std::size_t i = 0; i < attentes.size(); ++i) EXPECT_EQ(attentes[i], i % 2 == 0);
}

TEST_F(MiseEnRouteEssai, sansAfficheurLeMessageDitOuEstLeDocument) {
    preferences.afficheurs = {"/chemin/absent/afficheur", "", "", ""};
    reglages.visualiser = true;
    auto chemin = lancer();
    ASSERT_TRUE(chemin);
    EXPECT_TRUE(std::filesystem::exists(*chemin));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Aucun afficheur n'a pu être lancé pour ce document.\nIl est enregistré ici : "_1252 + *chemin);
}

// Police au hasard : l'objet police du PDF porte le nom de la police tirée, dont il a les
// largeurs, et non celui de la police des préférences.
TEST_F(MiseEnRouteEssai, laPoliceTireeAuHasardNommeLObjetDontElleALesLargeurs) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const auto tiree = policeAuHasard(Horloge::fixee(1700000000), {});
    if (!tiree) {
        unsetenv("SOURCE_DATE_EPOCH");
        GTEST_SKIP() << "aucune police installée";
    }
    preferences.police = "Autre police";
    preferences.policeAuHasard = true;
    auto chemin = lancer();
    unsetenv("SOURCE_DATE_EPOCH");
    ASSERT_TRUE(chemin);
    std::ifstream flux(*chemin, std::ios::binary);
    const std::string octets{std::istreambuf_iterator<char>(flux), {}};
    auto objet = [&octets](int n) {
        const std::size_t debut = octets.find("\n" + std::to_string(n) + " 0 obj\n");
        return debut == std::string::npos ? std::string() : octets.substr(debut, octets.find("endobj", debut) - debut);
    };
    const std::string nom = nomPolicePdf(tiree->nom, false);
    EXPECT_NE(objet(4).find("/BaseFont /" + nom + "\n"), std::string::npos) << objet(4);
    // Les largeurs écrites (points, au seizième) sont celles de la police tirée.
    const MetriquePolice& m = tiree->reguliere;
    const std::string tableau = objet(3);
    std::istringstream nombres(tableau.substr(tableau.find('[') + 1));
    std::vector<double> ecrites;
    for (double v; nombres >> v;) ecrites.push_back(v);
    std::vector<double> attendues;
    for (int c = m.premierCaractere; c <= m.dernierCaractere; ++c) attendues.push_back(m.largeurs[c] / 16.0);
    EXPECT_EQ(ecrites, attendues) << tableau;
}

}  // namespace
}  // namespace lignara
