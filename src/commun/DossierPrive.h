#pragma once
// Dossier privé du programme : tous ses fichiers temporaires (base de travail, copie UTF-8 des
// fichiers UTF-16, rapports d'import) et les documents produits. Le dossier temporaire du
// système est partagé par tous ; on y écrit donc dans un sous-dossier « lignara-<uid> » qui
// appartient à l'utilisateur et que lui seul peut lire (mode 0700). S'il existe déjà sans
// l'être (autre propriétaire, autre mode, lien symbolique, fichier), il n'est pas touché : on
// en crée un autre, de nom imprévisible.
//
// À sa première préparation dans un processus, les restes temporaires des processus disparus
// y sont effacés (RestesTemporaires.h).
#include <filesystem>

namespace lignara {

// Rend le dossier privé sous dossierTemporaire, créé au besoin. Échec :
// OperationImpossible(« Accès impossible au répertoire temporaire\n<dossier> »).
std::filesystem::path preparerDossierPrive(const std::filesystem::path& dossierTemporaire);

// Le dossier privé du programme, préparé une fois sous le dossier temporaire du système.
const std::filesystem::path& dossierPrive();

}  // namespace lignara
