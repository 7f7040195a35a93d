#pragma once
// Placement horizontal des boîtes d'un arbre d'ascendants déjà construit, dans les deux styles.
// s est la préférence « Espace minimal entre deux personnes dans un arbre ».
//
// Voisines de gauche : dans un arbre ordinaire, la boîte précédente de la rangée ; dans un
// arbre chronologique, les rangées ne s'alignent plus : chaque boîte reçoit jusqu'à six boîtes
// déjà parcourues dont l'étendue verticale (la boîte et son raccord) chevauche la sienne.
//
// Style « classique » (parents avant enfant) : rapprocher le sous-arbre du père quand celui de
// la mère, plus haut, a été poussé à droite ; rester à 45 × s à droite des voisines ; se
// centrer sous ses parents, ou pousser les parents à droite quand on ne peut pas reculer.
// Style « par couple d'ascendants » : le père, un écart de (texte de mariage + 480), la mère ;
// le milieu de l'écart du couple se centre entre les ancres des couples de parents des deux
// époux (milieu de leur écart, ou centre du parent seul).
//
// Après placement, largeur et hauteur de l'arbre : plus grand bord droit, plus haute étendue.
#include <cstdint>

#include "documents/arbres/ArbreDeBoites.h"

namespace lignara {

struct ReglesPlacement {
    bool parCouple = false;
    bool chronologique = false;
    std::int32_t espace = 8;  // s, 2 à 99
};

inline constexpr std::int32_t kEcartMariage = 480;

void placerArbre(ArbreDeBoites& arbre, const ReglesPlacement& regles);

// Décale une boîte et toutes ses ascendantes.
void decalerSousArbre(NoeudAscendant& n, std::int32_t dx);

// Ancre d'un couple de parents de la boîte : milieu de l'écart du couple (mère x − texte de
// mariage ÷ 2 − 240) ou centre du parent seul. Faux sans parents.
bool ancreDesParents(const NoeudAscendant& n, std::int32_t& ancre);

}  // namespace lignara
