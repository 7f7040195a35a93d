#pragma once
// À la sortie du programme, les documents produits sont effacés du dossier de sortie : les
// fichiers dont le nom commence par un préfixe de document (« AA_ »…) et finit par « .pdf »,
// « .rtf », « .htm » ou « .txt ». Un lien ou un dossier n'est jamais touché.
#include <cstddef>
#include <filesystem>

namespace lignara {

// Nombre de fichiers effacés ; un dossier absent ou illisible n'est pas une erreur.
std::size_t nettoyerDocuments(const std::filesystem::path& dossierSortie) noexcept;

}  // namespace lignara
