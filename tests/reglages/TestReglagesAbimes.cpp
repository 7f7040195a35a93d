// Compteurs d'usage ; réglages abîmés (champs lisibles gardés, copie « .abime », textes hostiles refusés) et liens.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "commun/OperationImpossible.h"
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
    // Lue « abîmée » et copiée à la prochaine écriture (aussi essayé par « lignara preferences ») ; un fichier
    // sain ensuite n'est pas copié : la copie reste celle du fichier abîmé.
    auto abime = essai::fixture("config-603-complet.dwa");
    abime.resize(150);
    essai::ecrireOctets(dossier / "Config.dwa", abime);
    EtatChargement etat = EtatChargement::lu;
    enregistrerConfiguration(chargerConfiguration(dossier.chemin(), &etat), dossier.chemin());
    EXPECT_EQ(etat, EtatChargement::abime);
    EXPECT_NE(messageReglagesAbimes(dossier / "Config.dwa").find("Config.dwa.abime"), std::string::npos);
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

std::vector<std::uint8_t> fichierUsage(int version, int nombreCompteurs) {
    std::vector<std::uint8_t> o = {static_cast<std::uint8_t>(version & 0xFF), static_cast<std::uint8_t>(version >> 8),
                                   1, 0x39, 0x30};  // 12345
    for (int i = 0; i < nombreCompteurs; ++i) o.insert(o.end(), {static_cast<std::uint8_t>(i + 1), 1});
    return o;
}

TEST(CompteursUsage, ecritLaVersion504SeRechargeEtLitLesAnciennesSansAccepterNiInconnuesNiTronquees) {
    CompteursUsage c;
    c.avis = 1;
    c.personnesDernierFichier = 0x1234;
    c.compteurs[0] = 7;
    c.compteurs[43] = 0xABCD;
    auto octets = ecrireCompteursUsage(c);
    ASSERT_EQ(octets.size(), 5u + 2 * 44);
    EXPECT_EQ((std::vector(octets.begin(), octets.begin() + 6)),
              (std::vector<std::uint8_t>{0xF8, 1, 1, 0x34, 0x12, 7}));
    EXPECT_EQ(octets[92], 0xAB);
    EXPECT_EQ(lireCompteursUsage(octets), c);
    c.compteurs[5] = 65534;  // compter s'arrête à 65535 et ignore un point inconnu
    for (std::size_t point : {5u, 5u, 44u}) c.compter(point);
    EXPECT_EQ(c.compteurs[5], 65535);
    // Enregistrés et rechargés dans le dossier de configuration, sans temporaire.
    essai::DossierEssai dossier;
    CompteursUsage compte;
    compte.compter(12);
    enregistrerCompteursUsage(compte, dossier.chemin());
    EXPECT_EQ(chargerCompteursUsage(dossier.chemin()), compte);
    EXPECT_EQ(dossier.noms(), std::vector<std::string>{"Usage.dwa"});
    EXPECT_THROW(enregistrerCompteursUsage(compte, dossier / "absent"), OperationImpossible);
    // Les anciennes versions ont moins de compteurs ; les inconnues et les tronquées sont refusées.
    for (auto [version, nombre] : {std::pair{503, 33}, {502, 31}, {501, 27}, {500, 26}, {400, 26}}) {
        auto ancien = lireCompteursUsage(fichierUsage(version, nombre));
        ASSERT_TRUE(ancien.has_value()) << version;
        EXPECT_EQ(ancien->personnesDernierFichier, 12345);
        EXPECT_EQ(ancien->compteurs[static_cast<std::size_t>(nombre - 1)], 256 + nombre) << version;
        for (std::size_t i = static_cast<std::size_t>(nombre); i < 44; ++i) EXPECT_EQ(ancien->compteurs[i], 0);
        EXPECT_FALSE(lireCompteursUsage(fichierUsage(version, nombre - 1)).has_value()) << version;
    }
    for (int inconnue : {505, 399, 0}) EXPECT_FALSE(lireCompteursUsage(fichierUsage(inconnue, 44)).has_value());
    CompteursUsage ancien;
    for (std::size_t i = 0; i < ancien.compteurs.size(); ++i) ancien.compteurs[i] = static_cast<std::uint16_t>(i * 3);
    auto complet = ecrireCompteursUsage(ancien);
    essai::pourChaqueTroncature(complet, [](const auto& o) { EXPECT_FALSE(lireCompteursUsage(o).has_value()); });
    // Un octet changé hors de la version se voit dans ce qui est lu.
    essai::pourDesOctetsAlteres(complet, 504, 1000, 1, [&](const auto& o) {
        const auto lu = lireCompteursUsage(o);
        if (lu && o[0] == complet[0] && o[1] == complet[1]) {
            EXPECT_NE(*lu, ancien);
        }
    });
}

}  // namespace
}  // namespace lignara
