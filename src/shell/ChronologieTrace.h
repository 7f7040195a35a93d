#pragma once
// Dessin d'une chronologie derrière un arbre chronologique, sur la surface PDF : une bande
// pleine de la couleur de chaque période, sur toute la largeur utile, puis les libellés.
//   largeurUtile : largeur du dessin, marges non comprises (les bandes vont de x = 0 à elle) ;
//   yHaut        : ordonnée sur la surface de l'année Y2, le haut de l'arbre (y vers le haut).
// La couleur de remplissage de l'état de tracé est remise comme elle était.
#include <cstdint>

#include "render/SurfacePdf.h"
#include "shell/Chronologie.h"

namespace lignara {

void dessinerChronologie(const Chronologie& chronologie, SurfacePdf& surface,
                         std::int32_t largeurUtile, std::int32_t yHaut);

}  // namespace lignara
