// Réglages abîmés (champs lisibles gardés, copie « .abime », textes hostiles refusés) et liens.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "reglages/CompteursUsage.h"
#include "reglages/Configuration.h"
#include "reglages/DossierEssai.h"
#include "reglages/FichierReglages.h"
#include "support/AlterationsStockees.h"
#include "support/Message.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::DossierEssai;

class ReglagesAbimesEssai : public ::testing::Test {
protected:
    DossierEssai dossier;
};

// Fin, dans config-603-complet.dwa, du serveur et de la police.
constexpr std::size_t kFinServeur = 19, kFinPolice = 103;

TEST_F(ReglagesAbimesEssai, uneConfigurationTronqueeGardeSesChampsLusEtEstMiseDeCoteCommeDesCompteursAbimes) {
    auto abime = essai::fixture("config-603-complet.dwa");
    abime.resize(150);
    essai::ecrireOctets(dossier / "Config.dwa", abime);
    EtatChargement etat = EtatChargement::lu;
    Configuration c = chargerConfiguration(dossier.chemin(), &etat);
    EXPECT_EQ(etat, EtatChargement::abime);
    EXPECT_NE(messageReglagesAbimes(dossier / "Config.dwa").find("Config.dwa.abime"), std::string::npos);
    enregistrerConfiguration(c, dossier.chemin());
    EXPECT_EQ(essai::lireOctets(dossier / "Config.dwa.abime"), abime);
    // Un fichier sain n'est pas copié : la copie précédente reste celle du fichier abîmé.
    enregistrerConfiguration(Configuration{}, dossier.chemin());
    EXPECT_EQ(essai::lireOctets(dossier / "Config.dwa.abime"), abime);
    // De même pour des compteurs tronqués, qui gardent leur début.
    CompteursUsage compteurs;
    for (std::size_t i = 0; i < compteurs.compteurs.size(); ++i)
        compteurs.compteurs[i] = static_cast<std::uint16_t>(100 + i);
    auto octets = ecrireCompteursUsage(compteurs);
    octets.resize(5 + 2 * 10 + 1);  // dix compteurs entiers et un octet du onzième
    essai::ecrireOctets(dossier / "Usage.dwa", octets);
    bool abimes = false;
    CompteursUsage lus = chargerCompteursUsage(dossier.chemin(), &abimes);
    EXPECT_TRUE(abimes);
    EXPECT_EQ(lus.compteurs[9], 109);
    EXPECT_EQ(lus.compteurs[10], 0);
    enregistrerCompteursUsage(lus, dossier.chemin());
    EXPECT_EQ(essai::lireOctets(dossier / "Usage.dwa.abime"), octets);
    const auto complet = essai::fixture("config-603-complet.dwa");
    const Configuration attendue = *lireConfiguration(complet);
    essai::pourChaqueTroncature(
        complet,
        [&](const auto& o) {
            const ConfigurationLue lue = lireConfigurationSauvee(o);
            ASSERT_EQ(lue.etat, EtatChargement::abime);
            const Configuration &coupee = lue.configuration, defaut;
            const std::size_t n = o.size();
            EXPECT_EQ(coupee.serveurMiseAJour, (n >= kFinServeur ? attendue : defaut).serveurMiseAJour);
            EXPECT_EQ(coupee.police, (n >= kFinPolice ? attendue : defaut).police);
            EXPECT_EQ(coupee.afficheurs[kAfficheurWeb], defaut.afficheurs[kAfficheurWeb]);  // le dernier champ
        },
        2);
}

TEST_F(ReglagesAbimesEssai,
       unLienDeReglagesNEstSuiviQueJusquAUnFichierDeLUtilisateurEtUnNomDePoliceAOctetNulEstRefuse) {
    fs::create_directory(dossier / "depot");
    essai::ecrireOctets(dossier / "depot" / "Config.dwa", ecrireConfiguration(Configuration{}));
    fs::create_symlink(dossier / "depot" / "Config.dwa", dossier / "Config.dwa");
    Configuration c;
    c.police = "Verdana";  // les droits gardés sont essayés avec le rédacteur commun
    enregistrerConfiguration(c, dossier.chemin());
    EXPECT_TRUE(fs::is_symlink(dossier / "Config.dwa"));
    EXPECT_EQ(chargerConfiguration(dossier.chemin()).police, "Verdana");
    // Un lien vers un tube (ou tout autre chose) : refusé avec un message qui nomme le chemin.
    ASSERT_EQ(::mkfifo((dossier / "tube").c_str(), 0600), 0);
    fs::create_symlink(dossier / "tube", dossier / "Usage.dwa");
    const std::string message =
        essai::messageDe([&] { enregistrerCompteursUsage(CompteursUsage{}, dossier.chemin()); });
    EXPECT_NE(message.find((dossier / "Usage.dwa").string() + "\nCe n'est pas un fichier ordinaire"), std::string::npos)
        << message;
    EXPECT_TRUE(fs::is_symlink(dossier / "Usage.dwa"));
    // Un nom de police à octet nul est refusé sans perdre les autres champs.
    auto octets = essai::fixture("config-603-complet.dwa");
    Configuration attendue = *lireConfiguration(octets);
    attendue.police = Configuration{}.police;
    octets[kFinPolice - 3] = 0;  // « DejaVu Se\0if »
    const ConfigurationLue lue = lireConfigurationSauvee(octets);
    EXPECT_EQ(lue.etat, EtatChargement::abime);
    EXPECT_EQ(lue.configuration, attendue);
    EXPECT_FALSE(lireConfiguration(octets).has_value());
    EXPECT_FALSE(texteReglageAcceptable("Marie\x01"));  // les signatures finissent dans le PDF
}

}  // namespace
}  // namespace lignara
