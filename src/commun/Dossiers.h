#pragma once
// Les trois dossiers du programme :
//  - configuration : $XDG_CONFIG_HOME/lignara (défaut ~/.config/lignara), créé au besoin ;
//  - installation  : données livrées (cartes, chronologies, catégories, thèmes, images),
//                    « donnees/ » à côté du programme (arbre de construction) ou
//                    <préfixe>/share/lignara ;
//  - temporaire    : dossier temporaire du système, où se trouve le dossier privé
//                    (DossierPrive.h : base de travail, documents produits).
// LIGNARA_DONNEES remplace le dossier d'installation (tests, installation déplacée).
#include <filesystem>

namespace lignara {

// Créé au besoin ; les restes temporaires des processus disparus y sont effacés une fois.
std::filesystem::path dossierConfiguration();
// Le même, mais un dossier qui n'existe pas et ne peut être créé lève
// OperationImpossible(« Impossibilité d'accéder au répertoire de configuration »).
std::filesystem::path dossierConfigurationAccessible();
std::filesystem::path dossierInstallation();
std::filesystem::path dossierTemporaire();

// Chemin du programme en cours (vide s'il est introuvable).
std::filesystem::path cheminProgramme();

}  // namespace lignara
