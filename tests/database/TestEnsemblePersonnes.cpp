#include <gtest/gtest.h>

#include <stdexcept>

#include "database/EnsemblePersonnes.h"

using namespace lignara;

TEST(EnsemblePersonnes, occupeNombreSurHuitPlusUnOctetsEtRangeLeBitNModulo8) {
    EXPECT_EQ(EnsemblePersonnes(0).octets().size(), 1u);
    EXPECT_EQ(EnsemblePersonnes(8).octets().size(), 2u);
    EnsemblePersonnes e(17);
    e.ajouter(9);
    e.ajouter(17);
    EXPECT_EQ(e.octets()[1], 0x02);
    EXPECT_EQ(e.octets()[2], 0x02);
    EXPECT_TRUE(e.contient(9));
    EXPECT_FALSE(e.contient(1000));  // au-delà : absent, sans débordement
}

TEST(EnsemblePersonnes, tientSonCompteSansCompterDeuxFoisLaMemePersonne) {
    EnsemblePersonnes e(20);
    e.ajouter(3);
    e.ajouter(3);
    e.ajouter(20);
    EXPECT_EQ(e.nombre(), 2u);
    e.retirer(3);
    e.retirer(3);
    e.retirer(4);
    EXPECT_EQ(e.nombre(), 1u);
    e.vider();
    EXPECT_EQ(e.nombre(), 0u);
    EXPECT_FALSE(e.contient(20));
}

TEST(EnsemblePersonnes, refuseUnNumeroAuDelaDeSaTaille) {
    EnsemblePersonnes e(15);
    EXPECT_THROW(e.ajouter(16), std::out_of_range);
    EXPECT_NO_THROW(e.ajouter(15));
}
