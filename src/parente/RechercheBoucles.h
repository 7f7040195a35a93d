#pragma once
// Recherche des boucles du graphe de parenté, parcouru sans tenir compte du sens des arêtes :
// depuis chaque feuille pas encore atteinte, dans l'ordre des vagues, en servant toujours
// d'abord les arêtes qui mènent au niveau le plus bas (le parcours monte depuis le bas). Chaque
// nœud retient celui d'où il a été atteint ; une arête vers un nœud déjà atteint, hors de ces
// liens, ferme une boucle, dont les deux moitiés se retrouvent en remontant les liens retenus
// des deux bouts, un pas de chaque côté à tour de rôle, jusqu'au premier nœud commun.
//
// Seules sont gardées les boucles assez courtes pour être faites de deux descentes depuis un
// même sommet (au plus deux fois le plus haut niveau) : dans un gros fichier très mêlé, les
// autres font des milliers de nœuds et ne servent à aucun cas de consanguinité ; les remonter
// jusqu'au bout coûterait des dizaines de secondes.
#include <cstdint>
#include <vector>

#include "parente/GrapheParente.h"

namespace lignara {

struct BoucleParente {
    // Nœuds dans l'ordre du tour : un bout de l'arête fermante, la remontée jusqu'au nœud
    // commun, puis la descente vers l'autre bout.
    std::vector<std::uint32_t> noeuds;
    std::int32_t haut = 0;  // plus haut niveau (côté de l'ancêtre commun)
    std::int32_t bas = 0;   // plus bas niveau (la base)
};

// Le graphe doit être ordonné (GrapheParente::ordonner).
std::vector<BoucleParente> chercherBoucles(const GrapheParente& graphe);

}  // namespace lignara
