#pragma once
// Dossier de sortie : là où chaque document produit est écrit, avec la base de travail et les
// rapports d'import. Le dossier temporaire du système est partagé par tous ; on y écrit donc
// dans un sous-dossier privé, « lignara-<uid> », qui appartient à l'utilisateur et que lui
// seul peut lire (mode 0700). S'il existe déjà sans l'être (autre propriétaire, autre mode,
// lien symbolique, fichier), il n'est pas touché : on en crée un autre, de nom imprévisible.
#include <cstddef>
#include <filesystem>

namespace lignara {

// Rend le dossier privé sous dossierTemporaire, créé au besoin. Échec :
// OperationImpossible(« Accès impossible au répertoire temporaire\n<dossier> »).
std::filesystem::path preparerDossierSortie(const std::filesystem::path& dossierTemporaire);

// Le dossier de sortie du programme, préparé une fois sous le dossier temporaire du système.
const std::filesystem::path& dossierSortieDuProgramme();


}  // namespace lignara
