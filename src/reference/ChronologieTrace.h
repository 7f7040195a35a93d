#pragma once
// Dessin d'une chronologie derrière un arbre chronologique, sur la surface PDF : une bande
// pleine de la couleur de chaque période, sur toute la largeur utile, puis les libellés.
//   largeurUtile : largeur du dessin, marges non comprises (les bandes vont de x = 0 à elle) ;
//   yBas         : ordonnée sur la surface de l'année Y2, la plus récente : le bas de l'arbre.
// Comme dans l'arbre chronologique, les années plus anciennes sont plus haut (64 unités par an,
// y vers le haut) : une période [début, fin] va de yBas + (Y2 − fin) × 64 à yBas + (Y2 − début) × 64.
// La couleur de remplissage de l'état de tracé est remise comme elle était.
#include <cstdint>
#include <string>

#include "render/SurfacePdf.h"
#include "render/html/RedacteurBlocsWeb.h"
#include "reference/Chronologie.h"

namespace lignara {

void dessinerChronologie(const Chronologie& chronologie, SurfacePdf& surface, std::int32_t largeurUtile,
                         std::int32_t yBas);

// La même chronologie dans une page Web, par le rédacteur des blocs du graphique : un aplat
// de la couleur de chaque période sur toute la largeur utile, puis les libellés (échappés).
void ecrireChronologieWeb(const Chronologie& chronologie, RedacteurBlocsWeb& blocs, std::int32_t largeurUtile,
                          std::int32_t yBas);

}  // namespace lignara
