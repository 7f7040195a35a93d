// La base que « lignara importer » garde ; rapport et résumé : transcription tests/cli/importer.
#include <gtest/gtest.h>

#include "database/BaseGenealogique.h"
#include "database/VerificateurBase.h"
#include "support/DossierEssai.h"
#include "support/Programme.h"

namespace lignara {
namespace {

TEST(CommandeImporter, laBaseGardeeEstCompleteEtVerifiee) {
    essai::DossierEssai d;
    const auto base = d / "base.bin";
    const auto s = essai::lancerProgramme(
        "importer " + essai::cite(std::string(LIGNARA_DOSSIER_FIXTURES) + "/mari-sans-fams.ged") + " --base " +
            essai::cite(base.string()),
        "");
    EXPECT_EQ(s.code, 0) << s.texte;
    BaseGenealogique b = BaseGenealogique::ouvrir(base);
    EXPECT_EQ(b.nombreIndividus(), 3u);
    EXPECT_EQ(b.LireIndividu(3).mere, 2u);
    b.fermer();
    EXPECT_TRUE(VerificateurBase::verifier(base).empty());
}

}  // namespace
}  // namespace lignara
