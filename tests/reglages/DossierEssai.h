#pragma once
// Les fichiers de réglages d'essai (tests/fixtures), lus en octets.
#include "support/DossierEssai.h"

namespace lignara::essai {

inline std::vector<std::uint8_t> fixture(const std::string& nom) {
    return lireOctets(std::filesystem::path(LIGNARA_DOSSIER_FIXTURES) / nom);
}

}  // namespace lignara::essai
