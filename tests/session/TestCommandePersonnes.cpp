// « lignara personnes » sans critère et « lignara importer --estimations » donnent les mêmes
// lignes ; les recherches par nom sont dans la transcription tests/cli/personnes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/DossierEssai.h"
#include "support/Programme.h"

namespace lignara {
namespace {

std::vector<std::string> lignes(const essai::DossierEssai& dossier, const std::string& arguments) {
    const essai::SortieProgramme p =
        essai::lancerProgramme("2>/dev/null " + arguments, "XDG_CONFIG_HOME=" + essai::cite(dossier.chemin().string()) +
                                                               " TMPDIR=" + essai::cite(dossier.chemin().string()));
    EXPECT_EQ(p.code, 0) << arguments;
    std::vector<std::string> resultat;
    std::istringstream flux(p.texte);
    for (std::string ligne; std::getline(flux, ligne);) resultat.push_back(ligne);
    return resultat;
}

// importer --estimations suit les numéros, personnes l'index : mêmes lignes (cinq colonnes), autre ordre.
TEST(CommandePersonnes, toutLeMondeSansCritereCommeLesEstimationsDeLImport) {
    essai::DossierEssai dossier;
    const std::string exemple =
        essai::cite(std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged");
    auto tous = lignes(dossier, "personnes " + exemple);
    std::vector<std::string> estimations;
    for (const std::string& l : lignes(dossier, "importer " + exemple + " --estimations"))
        if (std::count(l.begin(), l.end(), '\t') == 4) estimations.push_back(l);
    ASSERT_EQ(estimations.size(), 80u);  // l'exemple livré
    std::sort(estimations.begin(), estimations.end());
    std::sort(tous.begin(), tous.end());
    EXPECT_EQ(estimations, tous);
}

}  // namespace
}  // namespace lignara
