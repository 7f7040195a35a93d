#pragma once
// Tri des boucles du graphe de parenté : seules donnent un cas de consanguinité celles qui
// descendent d'un seul sommet (une personne ou un couple) par deux moitiés séparées jusqu'au
// couple où elles se rejoignent. Les autres (deux frères épousant deux sœurs…) n'ont pas
// d'ancêtre commun au sommet et sont écartées. Une boucle qui se ferme sur une union sans
// enfant donne un cas sans base (base 0, aucun enfant).
#include <cstdint>
#include <vector>

#include "parente/Consanguinite.h"
#include "parente/GrapheParente.h"
#include "parente/RechercheBoucles.h"

namespace lignara {

// Longueur des lignées que chaque couple cherche lui-même (jusqu'aux cousins issus de germains
// de leurs parents) : au-delà, seules les boucles du parcours donnent des cas.
inline constexpr int kLigneesProches = 4;

// Cas de chaque couple (nœud de couple ou d'union) dont les deux lignées ont au plus
// personnesMax personnes : toutes les paires de chemins montants du père et de la mère qui ne
// se touchent qu'à leur sommet.
std::vector<Consanguinite> casProches(const GrapheParente& graphe, int personnesMax,
                                      const std::vector<std::int16_t>& annees);

// Lignées mises dans leur ordre fixe (ordonnerLignes) quand annees n'est pas vide. Chaque cas
// n'est donné qu'une fois.
std::vector<Consanguinite> casDeConsanguinite(const GrapheParente& graphe, const std::vector<BoucleParente>& boucles,
                                              const std::vector<std::int16_t>& annees);

}  // namespace lignara
