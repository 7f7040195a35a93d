// « lignara preferences » : le câblage ; les défauts et fichiers abîmés sont dans tests/cli/preferences.
#include <gtest/gtest.h>

#include <string>

#include "reglages/Configuration.h"
#include "reglages/DossierEssai.h"
#include "support/Programme.h"

namespace lignara {
namespace {

TEST(CommandePreferences, montreLesValeursLuesEtPapierNeToucheQueSonFormat) {
    essai::DossierEssai dossier;
    Configuration c;
    c.margeGauche = margeDeMillimetres(12);
    std::filesystem::create_directories(dossier / "lignara");
    enregistrerConfiguration(c, dossier / "lignara");
    const std::string sortie = essai::lancerProgramme("preferences --papier 'a4 Portrait' 2>/dev/null",
                                                      "XDG_CONFIG_HOME=" + essai::cite(dossier.chemin().string()))
                                   .texte;
    for (const char* attendu : {"Marge gauche : 12 mm", "Format de papier de la ligne de commande : A4 portrait"})
        EXPECT_NE(sortie.find(attendu), std::string::npos) << attendu << "\n" << sortie;
    Configuration relue = chargerConfiguration(dossier / "lignara");
    EXPECT_EQ(relue.papierLigneCommande, 1707);
    relue.papierLigneCommande = c.papierLigneCommande;
    EXPECT_EQ(relue, c);
}

}  // namespace
}  // namespace lignara
