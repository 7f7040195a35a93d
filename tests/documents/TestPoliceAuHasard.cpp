#include "documents/PoliceAuHasard.h"

#include <gtest/gtest.h>

#include <set>

#include "render/PoliceFamille.h"
#include "render/PoliceListe.h"

namespace lignara {
namespace {

// fontconfig garde ses tables jusqu'à ce qu'on les rende.
class PoliceAuHasardInstallees : public ::testing::Test {
protected:
    void SetUp() override {
        installees_ = listerPolicesUtilisables();
        if (installees_.nombre == 0) GTEST_SKIP() << "aucune police installée";
    }
    void TearDown() override { PoliceFamille::liberer(); }
    bool installee(const std::string& nom) const {
        for (auto n : installees_.noms())
            if (n == nom) return true;
        return false;
    }
    ListePolices installees_;
};

TEST_F(PoliceAuHasardInstallees, laMemeGraineTireLaMemePoliceChargeeAvecLaSignature) {
    ReglagesPolices reglages;
    reglages.nomPolice = "Police des préférences";
    reglages.ligneSignature1 = "Famille Roy";
    const Horloge horloge = Horloge::fixee(1700000000);
    const auto premiere = policeAuHasard(horloge, reglages);
    const auto seconde = policeAuHasard(Horloge::fixee(1700000000), reglages);
    ASSERT_TRUE(premiere && seconde);
    EXPECT_TRUE(installee(premiere->nom)) << premiere->nom;
    EXPECT_EQ(premiere->nom, seconde->nom);
    EXPECT_EQ(premiere->reguliere.trouvee, 1);
    EXPECT_EQ(premiere->largeurSignature,
              calculerLargeurSignature(premiere->reguliere, reglages.ligneSignature1, reglages.ligneSignature2));
    EXPECT_GT(premiere->largeurSignature, 384);
    EXPECT_EQ(reglages.nomPolice, "Police des préférences");
}

TEST_F(PoliceAuHasardInstallees, desGrainesDifferentesTirentDesPolicesDifferentes) {
    if (installees_.nombre < 2) GTEST_SKIP() << "une seule police installée";
    std::set<std::string> tirees;
    for (std::int64_t s = 0; s < 40 && tirees.size() < 2; ++s)
        tirees.insert(policeAuHasard(Horloge::fixee(s * 86400), {})->nom);
    EXPECT_EQ(tirees.size(), 2u);
}

}  // namespace
}  // namespace lignara
