#include "documents/PoliceAuHasard.h"

#include <gtest/gtest.h>

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
    const auto premiere = policeAuHasard(Horloge::fixee(1700000000), reglages);
    const auto seconde = policeAuHasard(Horloge::fixee(1700000000), reglages);
    ASSERT_TRUE(premiere && seconde);
    EXPECT_TRUE(installee(premiere->nom) && premiere->nom == seconde->nom) << premiere->nom;
    EXPECT_EQ(premiere->reguliere.trouvee, 1);
    EXPECT_GT(premiere->largeurSignature, 384);  // la signature mesurée dans la police tirée
    EXPECT_EQ(reglages.nomPolice, "Police des préférences");
}

}  // namespace
}  // namespace lignara
