#pragma once
// CLI11 parle anglais : on traduit ses libellés d'aide et ses erreurs d'analyse.
#include <CLI/CLI.hpp>

namespace lignara::cli {

// À appeler avant d'ajouter les commandes : elles héritent du formateur.
void franciser(CLI::App& app);

// Affiche l'aide ou l'erreur en français et rend le code de sortie.
int sortirEnFrancais(CLI::App& app, const CLI::ParseError& erreur);

}  // namespace lignara::cli
