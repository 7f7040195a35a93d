#pragma once
// Dossier de sortie : là où chaque document produit est écrit, avec la base de travail et les
// rapports d'import. C'est le dossier privé du programme (commun/DossierPrive.h).
#include <filesystem>

namespace lignara {

// Rend le dossier privé sous dossierTemporaire, créé au besoin. Échec :
// OperationImpossible(« Accès impossible au répertoire temporaire\n<dossier> »).
std::filesystem::path preparerDossierSortie(const std::filesystem::path& dossierTemporaire);

// Le dossier de sortie du programme, préparé une fois sous le dossier temporaire du système.
const std::filesystem::path& dossierSortieDuProgramme();

}  // namespace lignara
