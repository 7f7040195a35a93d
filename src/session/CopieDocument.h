#pragma once
// « Fichier › Enregistrer sous... » : le dernier document produit, copié où l'utilisateur le
// veut. La copie va d'abord dans un fichier temporaire du dossier de destination, vérifiée
// (chaque écriture, la mise sur disque, la fermeture), puis renommée par-dessus la cible : un
// fichier ou un lien déjà là est remplacé, jamais suivi, et un échec laisse la cible intacte.
// La copie est lisible par tous (0644), comme un fichier enregistré par un autre programme.
#include <filesystem>

namespace lignara {

// Échec : OperationImpossible(« Enregistrement impossible du fichier\n<cible> »), ou
// (« Lecture impossible du fichier\n<source> »).
void copierDocument(const std::filesystem::path& source, const std::filesystem::path& cible);

}  // namespace lignara
