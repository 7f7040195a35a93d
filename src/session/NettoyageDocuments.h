#pragma once
// À la sortie du programme, les documents produits sont effacés du dossier de sortie : les
// fichiers dont le nom commence par un préfixe de document (« AA_ »…) et finit par « .pdf »,
// « .rtf », « .htm » ou « .txt ». Un lien ou un dossier n'est jamais touché.
#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>

namespace lignara {

// Nombre de fichiers effacés ; un dossier absent ou illisible n'est pas une erreur.
// Les préfixes sont ceux de la table des types de documents (prefixesDocuments()), que cette
// couche ne connaît pas.
std::size_t nettoyerDocuments(const std::filesystem::path& dossierSortie,
                              std::span<const std::string_view> prefixes) noexcept;

}  // namespace lignara
