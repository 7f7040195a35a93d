#pragma once
// Fichier d'essai écrit dans un dossier temporaire propre, effacé à la fin du test.
#include <filesystem>
#include <string>
#include <string_view>

#include "support/DossierEssai.h"

namespace lignara::essai {

class FichierEssai {
public:
    explicit FichierEssai(std::string_view contenu) : chemin_(dossier_.ecrire("essai.ged", std::string(contenu))) {}
    const std::filesystem::path& chemin() const { return chemin_; }

private:
    DossierEssai dossier_;
    std::filesystem::path chemin_;
};

}  // namespace lignara::essai
