#pragma once
// Taille en pixels d'une photo nommée dans les données. Le lecteur dépend de la fin du chemin,
// sans égard à la casse : « .png » lit les 24 premiers octets, « .jpg » et « .jpeg » l'en-tête
// JPEG, tout autre chemin passe par le lecteur d'images. Le fichier est ouvert sans attendre
// (FichierPhoto : ni tube ni périphérique). Un fichier qui ne peut être lu (tube,
// périphérique, droits, taille démesurée) ou un en-tête JPEG fautif envoient « Erreur dans le
// fichier %s\n<Raison> » au récepteur, en français et sans rien citer du fichier ; un fichier
// absent, ou d'un autre format qui ne se décode pas, n'envoie rien. Sans taille, les documents
// laissent la photo de côté.
#include <optional>
#include <string>

#include "commun/RecepteurMessages.h"
#include "images/TaillePixels.h"

namespace lignara {

std::optional<TaillePixels> taillePhoto(const std::string& chemin1252, const RecepteurMessages& messages);

}  // namespace lignara
