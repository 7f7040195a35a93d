#pragma once
// Placement horizontal d'un arbre de descendants construit (ArbreDescendant). Les boîtes ne
// vont que vers la droite. s est la préférence « Espace minimal entre deux personnes dans un
// arbre ».
//
// Un couple (boîte de personne et ses boîtes de conjoint) se place d'un bloc, ses conjoints à
// (texte de mariage + 480) l'un de l'autre ; ses enfants forment, famille par famille, des blocs
// consécutifs de la rangée suivante, qui pendent sous l'ancre de leur famille : milieu de
// l'écart de mariage du conjoint (x − texte de mariage ÷ 2 − 240), ou centre de la personne
// pour ses familles sans conjoint connu.
//
//  1. Placement initial : chaque rangée serrée depuis x = 0, 45 × s avant une personne.
//  2. Voisines de gauche : la boîte précédente de la rangée ; dans un arbre chronologique, où
//     les rangées ne s'alignent plus, à chaque hauteur de la boîte (et 32 autour, par tranches
//     de 16), la dernière boîte vue à cette hauteur dans l'ordre de l'arbre, hors de ses
//     ancêtres : la plus proche à sa gauche.
//  3. Relaxation, 40 passes au plus ; chaque passe prend les couples après leurs descendants :
//     a. un couple trop près d'une voisine de gauche part à droite, avec sa descendance ;
//     b. recentrage : quand tous ses blocs d'enfants sont à droite de leurs ancres, le couple
//        avance du plus petit de ces écarts ; un bloc resté à gauche de son ancre avance
//        jusqu'à elle (un bloc de plusieurs enfants ne bouge pas pour moins de 15) ;
//     c. alignement : après qu'un bloc a avancé, chaque enfant qui le suit est écarté, avec
//        sa descendance, de tout ce qui est à sa gauche à toutes les rangées ; b et c se
//        répètent tant qu'ils changent quelque chose.
//     Une passe sans déplacement (les corrections de moins de 3 ne comptent pas) arrête.
//  4. Passe finale : les boîtes, de gauche à droite, sont poussées à droite de tout ce qui,
//     déjà traité, chevauche leur hauteur (un conjoint garde son écart de mariage) ; aucune
//     boîte n'en recouvre une autre, même si la relaxation s'est arrêtée à 40 passes.
#include <cstddef>
#include <cstdint>

#include "documents/arbres/NoeudDescendant.h"
#include "documents/arbres/RangeesDeBoites.h"

namespace lignara {

struct ReglesPlacementDescendant {
    bool chronologique = false;
    std::int32_t espace = 8;  // s, 2 à 99
    int passesMax = 40;
};

struct BilanPlacement {
    int passes = 0;            // passes de relaxation faites
    bool stable = false;       // la dernière n'a rien déplacé
    std::size_t reprises = 0;  // boîtes que la passe finale a dû pousser
};

BilanPlacement placerDescendance(RangeesDeBoites<NoeudDescendant>& rangees, const ReglesPlacementDescendant& regles);

// Ancre de la famille portée par la boîte (boîte de conjoint ou personne seule).
std::int32_t ancreFamille(const NoeudDescendant& porteur);

}  // namespace lignara
