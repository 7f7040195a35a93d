#include <gtest/gtest.h>

#include <atomic>

#include "commun/OperationImpossible.h"
#include "session/SourcesGedcom.h"
#include "support/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

const std::string kGedcom = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 OCCU meunier\n0 TRLR\n";

// Réécriture remarquée sans la surveillance, témoin suivi ; un fichier disparu n'est pas
// « modifié » mais ne se relit plus.
TEST(SourcesGedcom, reecritureRemarqueeTemoinSuiviEtFichierDisparuIllisible) {
    essai::DossierEssai d;
    const fs::path ged = d.ecrire("a.ged", kGedcom);
    auto temoin = std::make_shared<std::atomic<bool>>(false);
    SourcesGedcom sources({FichierImporte{ged}}, temoin);
    temoin->store(true);
    EXPECT_TRUE(sources.modifieesDepuisImport());
    temoin->store(false);
    EXPECT_FALSE(sources.modifieesDepuisImport());
    // Un autre logiciel réécrit le fichier par renommage : autre inode, autre taille.
    fs::rename(d.ecrire("a.ged.tmp", kGedcom + "\n"), ged);
    EXPECT_TRUE(sources.modifieesDepuisImport());

    const fs::path autre = d.ecrire("b.ged", kGedcom);
    SourcesGedcom sansTemoin({FichierImporte{autre}}, nullptr);
    fs::remove(autre);
    EXPECT_FALSE(sansTemoin.modifieesDepuisImport());
    EXPECT_THROW(sansTemoin.relecture().relire(0, 20), OperationImpossible);
}

}  // namespace
}  // namespace lignara
