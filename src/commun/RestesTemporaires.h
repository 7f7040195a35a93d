#pragma once
// Noms des fichiers temporaires du programme et ménage de ceux qu'un arrêt brutal a laissés.
//
// Chaque fichier temporaire s'appelle « .lignara-<pid>-<rôle>-XXXXXX » : le numéro du
// processus qui l'a créé dit s'il est encore à quelqu'un. Au démarrage, ceux d'un processus
// qui n'existe plus sont effacés du dossier privé et du dossier de configuration ; ceux d'un
// processus vivant (une autre fenêtre ouverte en même temps) sont laissés.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lignara {

// « .lignara-<pid>-<rôle>- », préfixe à donner à FichierTemporaire::creer. Le rôle (« base »,
// « utf8 »…) n'a ni barre oblique ni chiffre en tête.
std::string prefixeTemporaire(std::string_view role);

// Efface dans dossier (sans descendre dans ses sous-dossiers) les fichiers ordinaires à nous
// nommés comme plus haut dont le processus n'existe plus. Jamais un lien, un dossier, le
// fichier d'un autre ni celui d'un processus vivant. Rend le nombre de fichiers effacés.
std::size_t effacerRestesTemporaires(const std::filesystem::path& dossier) noexcept;

}  // namespace lignara
