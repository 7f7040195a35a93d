// La commande « lignara preferences », lancée avec un dossier de configuration jetable.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "reglages/Configuration.h"
#include "reglages/DossierEssai.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using essai::DossierEssai;

std::string lancer(const DossierEssai& dossier, const std::string& arguments) {
    // Sortie standard seule, sauf « 2>&1 » dans les arguments.
    return essai::lancerProgramme("2>/dev/null " + arguments,
                                  "XDG_CONFIG_HOME=" + essai::cite(dossier.chemin().string()))
        .texte;
}

TEST(CommandePreferences, montreLesValeursLuesDansLeDossierDeXdg) {
    DossierEssai dossier;
    std::string sortie = lancer(dossier, "preferences");
    EXPECT_NE(sortie.find("Config.dwa : absent, valeurs par défaut"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("Marge gauche : 7 mm"), std::string::npos) << sortie;

    Configuration c;
    c.police = "DejaVu Serif";
    c.margeGauche = margeDeMillimetres(12);
    c.couleurTrait = {0x12, 0xAB, 0x00};
    enregistrerConfiguration(c, dossier / "lignara");
    sortie = lancer(dossier, "preferences");
    EXPECT_NE(sortie.find("Config.dwa : lu"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("Police : \"DejaVu Serif\""), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("Marge gauche : 12 mm"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("Couleur des traits : #12AB00"), std::string::npos) << sortie;
}

TEST(CommandePreferences, reinitialiserRemetLesDefautsDUnFichierIllisible) {
    DossierEssai dossier;
    std::filesystem::create_directories(dossier / "lignara");
    essai::ecrireOctets(dossier / "lignara" / "Config.dwa", {0x5B, 0x02, 0x01});
    // Version comprise, puis coupé : abîmé, et mis de côté avant d'être réécrit.
    EXPECT_NE(lancer(dossier, "preferences").find("Config.dwa : abîmé"), std::string::npos);
    lancer(dossier, "preferences --reinitialiser");
    EXPECT_EQ(essai::lireOctets(dossier / "lignara" / "Config.dwa"), ecrireConfiguration(Configuration{}));
    EXPECT_EQ(essai::lireOctets(dossier / "lignara" / "Config.dwa.abime"),
              (std::vector<std::uint8_t>{0x5B, 0x02, 0x01}));
    // Une version inconnue reste illisible.
    essai::ecrireOctets(dossier / "lignara" / "Config.dwa", {0x01, 0x00});
    EXPECT_NE(lancer(dossier, "preferences").find("Config.dwa : illisible"), std::string::npos);
}

TEST(CommandePreferences, papierRangeLeFormatDeLaLigneDeCommandeSansToucherAuReste) {
    DossierEssai dossier;
    std::filesystem::create_directories(dossier / "lignara");
    Configuration c;
    c.police = "DejaVu Serif";
    enregistrerConfiguration(c, dossier / "lignara");
    std::string sortie = lancer(dossier, "preferences --papier 'a4 Portrait'");
    EXPECT_NE(sortie.find("Format de papier de la ligne de commande : A4 portrait"), std::string::npos) << sortie;
    Configuration relue = chargerConfiguration(dossier / "lignara");
    EXPECT_EQ(relue.papierLigneCommande, 1707);
    EXPECT_EQ(relue.formatPapier, kFormatNonPagine);  // la fenêtre repart toujours de « Non paginé »
    relue.papierLigneCommande = c.papierLigneCommande;
    EXPECT_EQ(relue, c);

    sortie = lancer(dossier, "preferences --papier A5 2>&1");
    EXPECT_NE(sortie.find("Format de papier inconnu : « A5 »"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("Tabloid paysage"), std::string::npos) << sortie;
    EXPECT_EQ(chargerConfiguration(dossier / "lignara").papierLigneCommande, 1707);
}

}  // namespace
}  // namespace lignara
