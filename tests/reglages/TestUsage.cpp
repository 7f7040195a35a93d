#include "reglages/CompteursUsage.h"

#include <gtest/gtest.h>

#include "commun/OperationImpossible.h"
#include "reglages/DossierEssai.h"
#include "support/AlterationsStockees.h"

namespace lignara {
namespace {

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
