#pragma once
// Rétrécissement de l'intervalle de naissance d'une personne par ses frères et sœurs, pour les
// grandes fratries : la même suite de rétrécissements que la boucle directe de l'estimation
// (les cadets, k = 1, 2… : bas vers l'autre bas − 2k puis haut vers l'autre haut − k ; puis les
// aînés depuis le premier enfant, à d places : bas vers bas + d puis haut vers haut + 2d),
// mais en O(log n) au lieu de parcourir les n enfants pour chacun d'eux.
//
// Pourquoi c'est possible : tant que les bornes ne se croisent pas, la suite revient à prendre
// le plus grand des bas proposés et le plus petit des hauts ; dès qu'un rétrécissement croiserait
// l'autre borne, l'intervalle devient un point et plus rien ne le change. Il suffit donc de
// trouver, par une descente dans un arbre de segments, le premier enfant où le plus grand bas
// dépasse le plus petit haut. Avec k = j − r (j : rang du cadet, r : celui de la personne), le
// bas proposé par le cadet j vaut (bas_j − 2j) + 2r : le maximum se range une fois pour toutes
// par enfant, le décalage s'ajoute à la recherche.
//
// Une borne ouverte d'un frère ou d'une sœur ne propose rien, quel que soit l'écart de rang (la
// boucle directe la prenait pour une année connue au-delà de 200 places d'écart). Une valeur
// décalée qui sort des années connues (au-delà de ±31800) est ignorée, comme dans la boucle.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "database/IntervalleAnnees.h"

namespace lignara {

class SegmentsFratrie {
public:
    explicit SegmentsFratrie(std::size_t taille);

    // L'intervalle de l'enfant de ce rang a changé.
    void fixer(std::size_t rang, IntervalleAnnees intervalle);
    // Applique à [bas, haut] les rétrécissements des cadets puis des aînés de l'enfant de ce rang.
    void appliquer(std::size_t rang, int& bas, int& haut) const;

private:
    // Par nœud : plus grand des bas et plus petit des hauts, vus des cadets et vus des aînés.
    struct Noeud {
        std::int64_t basCadets, hautCadets, basAines, hautAines;
    };
    struct Recherche;

    void fixer(std::size_t noeud, std::size_t debut, std::size_t fin, std::size_t rang, const Noeud& feuille);
    void appliquerSuite(bool cadets, std::size_t premier, std::size_t dernier, std::int64_t decalageBas,
                        std::int64_t decalageHaut, int& bas, int& haut) const;

    std::size_t taille_;
    std::vector<Noeud> noeuds_;
};

}  // namespace lignara
