#include "documents/PoliceAuHasard.h"

#include <gtest/gtest.h>

#include "render/PoliceFamille.h"
#include "render/PoliceListe.h"

namespace lignara {
namespace {

// fontconfig garde ses tables jusqu'à ce qu'on les rende.
class PoliceAuHasardInstallees : public ::testing::Test {
protected:
    void TearDown() override { PoliceFamille::liberer(); }
};

TEST_F(PoliceAuHasardInstallees, tireUnePoliceInstalleeEtRendCelleDesPreferences) {
    ListePolices installees = listerPolicesUtilisables();
    if (installees.nombre == 0) GTEST_SKIP() << "aucune police installée";
    const std::string preferee(installees.noms().back());
    ReglagesPolices reglages;
    reglages.nomPolice = preferee;
    std::mt19937 alea(7);
    Graphique document;
    {
        PoliceAuHasard police(document, &reglages, true, alea);
        EXPECT_EQ(document.nomPoliceGarde, preferee);
        bool installee = false;
        for (auto nom : installees.noms()) installee |= nom == reglages.nomPolice;
        EXPECT_TRUE(installee) << reglages.nomPolice;
    }
    EXPECT_EQ(reglages.nomPolice, preferee);
}

TEST(PoliceAuHasard, preferenceEteinteNeChangeRien) {
    ReglagesPolices reglages;
    std::mt19937 alea(7);
    Graphique document;
    {
        PoliceAuHasard police(document, &reglages, false, alea);
        EXPECT_EQ(reglages.nomPolice, "Arial");
        PoliceAuHasard sansReglages(document, nullptr, true, alea);
    }
    EXPECT_EQ(reglages.nomPolice, "Arial");
    EXPECT_TRUE(document.nomPoliceGarde.empty());
}

}  // namespace
}  // namespace lignara
