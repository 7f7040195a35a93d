// « lignara personnes » sans critère et « lignara importer --estimations » donnent les mêmes
// lignes ; les recherches par nom sont dans la transcription tests/cli/personnes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/DossierEssai.h"
#include "support/Programme.h"

namespace lignara {
namespace {

// Lignes de la sortie standard, colonnes séparées par des tabulations.
std::vector<std::vector<std::string>> lignes(const essai::DossierEssai& dossier, const std::string& arguments) {
    const essai::SortieProgramme p =
        essai::lancerProgramme("2>/dev/null " + arguments, "XDG_CONFIG_HOME=" + essai::cite(dossier.chemin().string()) +
                                                               " TMPDIR=" + essai::cite(dossier.chemin().string()));
    EXPECT_EQ(p.code, 0) << arguments;
    std::vector<std::vector<std::string>> resultat;
    std::istringstream flux(p.texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        resultat.emplace_back();
        std::istringstream c(ligne);
        for (std::string colonne; std::getline(c, colonne, '\t');) resultat.back().push_back(colonne);
    }
    return resultat;
}

// importer --estimations suit les numéros, personnes l'index : mêmes lignes, autre ordre.
TEST(CommandePersonnes, toutLeMondeSansCritereCommeLesEstimationsDeLImport) {
    essai::DossierEssai dossier;
    const std::string exemple =
        essai::cite(std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged");
    auto tous = lignes(dossier, "personnes " + exemple);
    std::vector<std::vector<std::string>> estimations;
    for (const auto& l : lignes(dossier, "importer " + exemple + " --estimations"))
        if (l.size() == 5) estimations.push_back(l);
    ASSERT_EQ(estimations.size(), 80u);  // l'exemple livré
    std::sort(estimations.begin(), estimations.end());
    std::sort(tous.begin(), tous.end());
    EXPECT_EQ(estimations, tous);
}

}  // namespace
}  // namespace lignara
