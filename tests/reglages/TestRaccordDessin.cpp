#include "reglages/RaccordDessin.h"

#include <gtest/gtest.h>

#include <string>

namespace lignara {
namespace {

// Mêmes champs que les réglages du dessin, pour essayer le raccord sans dépendre du rendu.
struct PolicesEssai {
    std::string nomPolice = "Arial", ligneSignature1, ligneSignature2;
};
struct DessinEssai {
    std::uint32_t couleurTexte = 0, couleurHommes = 0, couleurFemmes = 0, couleurTrait = 0, couleurRemplissage = 0;
    std::int32_t margeGauche = 0, margeDroite = 0, margeHaut = 0, margeBas = 0;
    std::int16_t formatPapier = 0;
    bool signature = true;
    std::uint32_t couleurFondSignature = 0;
    PolicesEssai polices;
};

TEST(RaccordDessin, donneAuDessinLesCouleursEnBgrEtLesMarges) {
    Configuration c;
    c.couleurFemmes = {0xAB, 0xCD, 0xEF};
    c.margeGauche = margeDeMillimetres(8);
    c.margeBas = margeDeLignes(3);
    c.formatPapier = 1707;
    c.signature = false;
    c.ligneSignature2 = "Nantes";
    DessinEssai d;
    remplirReglagesDessin(c, d);
    EXPECT_EQ(d.couleurFemmes, 0xEFCDABu);
    EXPECT_EQ(d.couleurRemplissage, 0x808000u);  // défaut 0, 128, 128
    EXPECT_EQ((std::array{d.margeGauche, d.margeDroite, d.margeBas}), (std::array{362, 352, 528}));
    EXPECT_EQ(d.formatPapier, 1707);
    EXPECT_FALSE(d.signature);
    EXPECT_EQ(d.polices.ligneSignature2, "Nantes");
}

}  // namespace
}  // namespace lignara
