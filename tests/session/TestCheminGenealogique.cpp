#include <gtest/gtest.h>

#include "session/CheminGenealogique.h"

using namespace lignara;

TEST(CheminGenealogique, oteLesGuillemetsDeTeteEtDeQueueEtAccepteGedEtFgedQuelleQueSoitLaCasse) {
    EXPECT_EQ(cheminDeLaLigneDeCommande("\"/a b/famille.ged\""), "/a b/famille.ged");
    EXPECT_EQ(cheminDeLaLigneDeCommande("/x \"y\".ged\""), "/x \"y\".ged");
    EXPECT_EQ(cheminDeLaLigneDeCommande("\"\""), "");
    EXPECT_TRUE(estCheminGenealogique("/d/FUSION.FGED"));
    EXPECT_FALSE(estCheminGenealogique("/d/famille.ged.bak"));
    EXPECT_FALSE(estCheminGenealogique("/d/.ged"));
}
