#pragma once
// Photo intégrée à un document RTF. Seuls les fichiers JPEG (extension « jpg » ou « jpeg »,
// sans égard à la casse) sont intégrés, octet par octet en hexadécimal ; les autres sont comptés
// par l'écrivain RTF, qui les signale à la fermeture du document.
#include <cstdint>
#include <ostream>
#include <string>

namespace lignara {

enum class ResultatImageRtf {
    Integree,
    IgnoreeNonJpeg,   // à compter parmi les images ignorées
    IgnoreeIllisible  // fichier JPEG qui ne s'ouvre pas : sauté sans bruit
};

// largeur, hauteur : taille posée en unités de dessin (0 : taille propre de l'image).
ResultatImageRtf ecrireImageRtf(std::ostream& rtf, const std::string& chemin1252, std::int32_t largeur,
                                std::int32_t hauteur);

// Message de fin de document pour nombre images ignorées ; vide quand il n'y en a pas.
std::string messageImagesIgnoreesRtf(int nombre);

}  // namespace lignara
