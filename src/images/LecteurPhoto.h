#pragma once
// Décodage des photos par le lecteur d'images de Qt (QImageReader, sans affichage) : BMP, GIF,
// JPEG, PNG, TIFF, WebP… selon les greffons présents. C'est le seul endroit du noyau qui
// connaît Qt ; le reste ne voit que des pixels rouge, vert, bleu.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "images/TaillePixels.h"

namespace lignara {

// Pixels d'une photo posée sur un fond blanc opaque, lignes de haut en bas, 3 octets par pixel.
struct PhotoRvb {
    TaillePixels taille;
    std::vector<std::uint8_t> pixels;
};

// Les octets viennent du fichier déjà lu (FichierPhoto) : le lecteur ne rouvre jamais le
// chemin, qu'un tube ou un périphérique aurait pu remplacer entre-temps. Les avertissements
// des bibliothèques d'images (« libpng warning… ») ne vont pas sur la console.

// Taille de la photo, sans la décoder quand le format la donne ; vide si elle est illisible.
std::optional<TaillePixels> taillePhotoParLecteur(const std::string& octets);

// Photo décodée, mise à la taille voulue par une réduction lissée quand une taille (> 0) est
// donnée, telle quelle sinon. Vide quand elle est illisible ou trop grande pour la mémoire.
std::optional<PhotoRvb> chargerPhotoRvb(const std::string& octets, TaillePixels tailleVoulue);

}  // namespace lignara
