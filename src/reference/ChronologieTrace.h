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
#include "reference/Chronologie.h"

namespace lignara {

void dessinerChronologie(const Chronologie& chronologie, SurfacePdf& surface,
                         std::int32_t largeurUtile, std::int32_t yBas);

// Page Web positionnée où écrire les bandes : mêmes coordonnées que ci-dessus, plus ce qu'il
// faut pour passer aux pixels comme le reste de la page (x + marge gauche) × 7 ÷ 100, hauteur
// de page − (y + marge basse) × 1467 ÷ 17600.
struct CadreWebChronologie {
    std::int32_t largeurUtile = 0;
    std::int32_t yBas = 0;
    std::int32_t margeGauche = 0;
    std::int32_t margeBas = 0;
    std::int32_t hauteurPagePixels = 0;
};

// Un bloc positionné par bande, couleur de fond « #rrggbb » ; le texte est à écrire tel quel
// dans la page, avant les éléments de l'arbre.
std::string blocsWebChronologie(const Chronologie& chronologie, const CadreWebChronologie& cadre);

}  // namespace lignara
