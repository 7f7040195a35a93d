#pragma once
// CLI11 parle anglais : on traduit ses libellés d'aide et ses erreurs d'analyse, et l'aide
// répond à « --aide » comme à « --help » (et « -h »), pour le programme et chaque commande.
#include <string>

#include <CLI/CLI.hpp>

namespace lignara::cli {

// À appeler avant d'ajouter les commandes : elles héritent du formateur et de l'option d'aide.
void franciser(CLI::App& app);
// À appeler après : range les commandes (et leurs sous-commandes) sous le titre « COMMANDES ».
void rangerCommandes(CLI::App& app);

// Le message d'une erreur d'analyse, en français.
std::string messageFrancais(const CLI::ParseError& erreur);

// Affiche l'aide ou l'erreur en français et rend le code de sortie.
int sortirEnFrancais(CLI::App& app, const CLI::ParseError& erreur);

}  // namespace lignara::cli
