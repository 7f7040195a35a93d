// Un GEDCOM abîmé (octets changés, fin coupée) s'importe en une base cohérente, ou donne un
// message : jamais de plantage. Graine fixe pour des essais reproductibles.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "ImportEssai.h"
#include "commun/OperationImpossible.h"

namespace lignara {
namespace {

std::string exemple() {
    return essai::lireFichier(std::filesystem::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged");
}

void verifierImport(const std::string& contenu) {
    try {
        ResultatImport r = essai::importerTexte(contenu);
        EXPECT_EQ(essai::defautsBase(r), std::vector<std::string>{});
    } catch (const OperationImpossible& e) {
        EXPECT_TRUE(e.aUnMessage());
    }
}

TEST(ImportAltere, desOctetsChangesDonnentUneBaseCoherente) {
    const std::string original = exemple();
    ASSERT_FALSE(original.empty());
    std::mt19937 alea(20261206);
    // Octets choisis pour toucher la structure : niveaux, '@' des références, fins de ligne.
    const std::string octets = "0123@ \r\n/#AZaz\xE9\x80";
    for (int essai = 0; essai < 40; ++essai) {
        std::string altere = original;
        for (int k = 0; k < 30; ++k) altere[alea() % altere.size()] = octets[alea() % octets.size()];
        SCOPED_TRACE(essai);
        verifierImport(altere);
    }
}

TEST(ImportAltere, unFichierCoupeNImporteQueCeQuIlContient) {
    const std::string original = exemple();
    std::mt19937 alea(7);
    for (int essai = 0; essai < 20; ++essai) {
        std::size_t taille = alea() % original.size();
        SCOPED_TRACE(taille);
        verifierImport(original.substr(0, taille));
    }
}

}  // namespace
}  // namespace lignara
