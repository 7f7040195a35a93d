#pragma once
// Aides des essais du rendu : références de tests/golden/, HasSubstr (montre toute la sortie).
#include <cstdlib>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/DossierEssai.h"

namespace lignara::essai {

using ::testing::HasSubstr;

inline std::string golden(const std::string& nom) {
    return lireFichier(std::string(LIGNARA_DOSSIER_SOURCES) + "/tests/golden/" + nom);
}

// Avec LIGNARA_REGENERER_GOLDEN, réécrit la référence au lieu de comparer (à relire ensuite).
inline void comparerGolden(const std::string& obtenu, const std::string& nom) {
    if (std::getenv("LIGNARA_REGENERER_GOLDEN"))
        return ecrireFichier(std::string(LIGNARA_DOSSIER_SOURCES) + "/tests/golden/" + nom, obtenu);
    EXPECT_EQ(obtenu, golden(nom)) << nom;
}

}  // namespace lignara::essai
