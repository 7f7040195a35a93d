#include "documents/PoliceAuHasard.h"

#include <gtest/gtest.h>

#include "render/PoliceListe.h"

namespace lignara {
namespace {

TEST(PoliceAuHasard, tireUnePoliceInstalleeEtRendCelleDesPreferences) {
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
        for (auto nom : listerPolicesUtilisables().noms()) installee |= nom == reglages.nomPolice;
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
