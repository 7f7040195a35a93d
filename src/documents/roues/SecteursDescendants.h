#pragma once
// Anneaux descendants d'une roue, d'après les secteurs placés par l'AllocationDescendante.
//
// L'anneau k va du cercle cercleDescendant(k) au cercle cercleDescendant(k + 1) ; ses textes
// commencent au rayon où l'allocation mesure ses boîtes, 45 après son cercle intérieur, et
// finissent 45 avant son cercle extérieur (1886 de long). Chaque personne a son secteur fermé :
// l'arc extérieur et les deux rayons qui le bordent (son bord intérieur est l'arc de son parent,
// ou le disque central). Dans le secteur, une ligne rayonnante de 176 de large par personne,
// « Prénoms NOM », puis une par conjoint en italique, le groupe centré dans le secteur. Les
// lignes lisent vers l'extérieur sur la moitié droite et vers le centre sur la moitié gauche,
// pour rester droites ; la personne est la première ligne dans le sens de lecture (au-dessus
// de ses conjoints). Les personnes marquées vivantes ne sont écrites qu'avec « Affiche les
// personnes contemporaines » ; leur secteur reste tracé.
#include <cstdint>
#include <functional>
#include <string>

#include "commun/MetriquePolice.h"
#include "documents/roues/AllocationDescendante.h"
#include "documents/roues/DessinRoue.h"

namespace lignara {

struct ReglesRoueDescendante {
    bool contemporains = true;  // « Affiche les personnes contemporaines »
    // Vrai : le cercle intérieur du premier anneau est le bord d'un disque central entier (roue
    // descendante) ; faux : seulement l'arc de l'éventail (roue mixte).
    bool disqueCentral = true;
    const MetriquePolice* reguliere = nullptr;
    const MetriquePolice* italique = nullptr;
};

// Largeur du décalage qui centre une ligne rayonnante sur son rayon : la moitié de ce que ses
// lettres montent de plus qu'elles ne descendent.
std::int32_t decalageLigneDescendante();

void dessinerAnneauxDescendants(DessinRoue& dessin, const AllocationDescendante& allocation,
                                const ReglesRoueDescendante& regles, const LectureNom& noms);

}  // namespace lignara
