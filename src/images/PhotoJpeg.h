#pragma once
// Photo ré-encodée en JPEG pour un objet image du PDF. La taille voulue est celle écrite dans
// l'objet (taille posée en unités de dessin ÷ 5) ; le fichier doit rester valide quoi qu'il
// arrive : une photo illisible donne une image blanche de cette taille. Le fichier est lu sans
// attendre (FichierPhoto) ; un fichier qui ne se lit pas (tube, périphérique, droits, taille
// démesurée) ou une erreur de l'encodeur JPEG envoient « Erreur dans le fichier %s\n<Raison> »
// au récepteur (rien pour un fichier absent), puis donnent du blanc quand rien n'était encore
// parti dans la sortie.
#include <ostream>
#include <string>

#include "commun/RecepteurMessages.h"
#include "images/TaillePixels.h"

namespace lignara {

// Écrit les données JPEG et rend la taille réellement encodée : la taille voulue quand elle est
// donnée (> 0 dans les deux sens), sinon celle de la photo (1 × 1 pour une photo illisible).
TaillePixels ecrirePhotoJpeg(std::ostream& sortie, const std::string& chemin1252, TaillePixels tailleVoulue,
                             const RecepteurMessages& messages);

// Image blanche valide de la taille donnée (au moins 1 × 1), encodée ligne par ligne sans
// garder l'image entière : une taille démesurée ne coûte pas de mémoire.
void ecrireImageBlancheJpeg(std::ostream& sortie, TaillePixels taille);

}  // namespace lignara
