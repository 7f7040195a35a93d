#include <gtest/gtest.h>

#include <stdexcept>

#include "database/EnsemblePersonnes.h"

using namespace lignara;

TEST(EnsemblePersonnes, rangeLeBitNModulo8EtTientSonCompte) {
    EXPECT_EQ(EnsemblePersonnes(0).octets().size(), 1u);  // nombre / 8 + 1 octets
    EXPECT_EQ(EnsemblePersonnes(8).octets().size(), 2u);
    EnsemblePersonnes e(17);
    e.ajouter(9);
    e.ajouter(17);
    e.ajouter(9);  // pas compté deux fois
    EXPECT_EQ(e.octets()[1], 0x02);
    EXPECT_EQ(e.octets()[2], 0x02);
    EXPECT_TRUE(e.contient(9));
    EXPECT_FALSE(e.contient(1000));  // au-delà : absent, sans débordement
    EXPECT_EQ(e.nombre(), 2u);
    e.retirer(9);
    e.retirer(9);
    e.retirer(4);
    EXPECT_EQ(e.nombre(), 1u);
    EXPECT_FALSE(e.contient(9));
    e.vider();
    EXPECT_EQ(e.nombre(), 0u);
    EXPECT_FALSE(e.contient(17));
    EXPECT_THROW(e.ajouter(24), std::out_of_range);  // au-delà du dernier octet
    EXPECT_NO_THROW(e.ajouter(23));
}
