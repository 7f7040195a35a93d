#include "reglages/RaccordDessin.h"

#include <gtest/gtest.h>

#include <string>

namespace lignara {
namespace {

// Mêmes champs que les réglages du dessin, pour essayer le raccord sans dépendre du rendu.
struct PolicesEssai {
    std::string nomPolice = "Arial";
    std::string ligneSignature1;
    std::string ligneSignature2;
};
struct DessinEssai {
    std::uint32_t couleurTexte = 0;
    std::uint32_t couleurHommes = 0;
    std::uint32_t couleurFemmes = 0;
    std::uint32_t couleurTrait = 0;
    std::uint32_t couleurRemplissage = 0;
    std::int32_t margeGauche = 0;
    std::int32_t margeDroite = 0;
    std::int32_t margeHaut = 0;
    std::int32_t margeBas = 0;
    std::int16_t formatPapier = 0;
    bool signature = false;
    std::uint32_t couleurFondSignature = 0;
    PolicesEssai polices;
};

TEST(RaccordDessin, donneAuDessinLesCouleursEnBgrEtLesMarges) {
    Configuration c;
    c.couleurTrait = {0x12, 0x34, 0x56};
    c.couleurFemmes = {0xAB, 0xCD, 0xEF};
    c.margeGauche = margeDeMillimetres(8);
    c.margeBas = margeDeLignes(3);
    c.formatPapier = 1707;
    c.signature = false;
    c.police = "DejaVu Sans";
    c.ligneSignature2 = "Nantes";
    DessinEssai d;
    remplirReglagesDessin(c, d);
    EXPECT_EQ(d.couleurTrait, 0x563412u);
    EXPECT_EQ(d.couleurHommes, 0xAA0000u);  // défaut 0, 0, 170
    EXPECT_EQ(d.couleurFemmes, 0xEFCDABu);
    EXPECT_EQ(d.couleurRemplissage, 0x808000u);  // défaut 0, 128, 128
    EXPECT_EQ(d.couleurFondSignature, 0xD2E6D2u);
    EXPECT_EQ(d.margeGauche, 362);
    EXPECT_EQ(d.margeDroite, 352);
    EXPECT_EQ(d.margeBas, 528);
    EXPECT_EQ(d.formatPapier, 1707);
    EXPECT_FALSE(d.signature);
    EXPECT_EQ(d.polices.nomPolice, "DejaVu Sans");
    EXPECT_EQ(d.polices.ligneSignature2, "Nantes");
}

}  // namespace
}  // namespace lignara
