#pragma once
// Lecture et remplacement des fichiers de réglages du dossier de configuration.
//
// Un fichier de réglages n'est jamais réécrit sur place : le contenu complet va d'abord dans
// un fichier temporaire « <préfixe>XXXXXX » du même dossier, forcé sur disque, puis renommé
// par-dessus l'ancien. Un arrêt brutal laisse donc l'ancien fichier ou le nouveau, jamais un
// mélange ; au pire un temporaire orphelin reste dans le dossier. Quand le fichier est un
// lien symbolique, c'est le fichier visé qui est remplacé (le temporaire va dans son dossier).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lignara {

// Tout le fichier ; vide (nullopt) quand il est absent, illisible ou dépasse tailleMaximale.
std::optional<std::vector<std::uint8_t>> lireFichierReglages(const std::filesystem::path& chemin,
                                                              std::size_t tailleMaximale);

// Remplace cible par octets comme dit plus haut. Faux quand le temporaire ne peut être créé,
// écrit ou renommé : cible est alors intacte et le temporaire effacé.
bool remplacerFichierReglages(const std::filesystem::path& cible, std::string_view prefixe,
                              std::span<const std::uint8_t> octets);

}  // namespace lignara
