#pragma once
// Comptes de la statistique des naissances : nombre de personnes d'une population par tranche
// de N années de naissance estimées (AnneeNaissanceEstimee, 9999 : inconnue).
//
// Tranche d'une année a : (a ÷ N) × N + N ÷ 2, la division arrondie vers le bas, si bien qu'une
// année avant notre ère a sa propre tranche (−3 tombe dans −5 avec N = 10, pas dans 5). Les
// tranches de 2101 et au-delà sont laissées. N est borné à 1–100.
//
// Graduation d'un axe : le plus grand pas de 1, 2, 5, 10, 20, 50, … qui découpe l'étendue en au
// moins 10 pas (1 quand aucun ne le fait) ; les marques partent du premier multiple du pas.
#include <cstdint>
#include <vector>

#include "database/EnsemblePersonnes.h"

namespace lignara {

struct TranchesNaissances {
    static constexpr int kTrancheMaximale = 2100;
    int intervalle = 1;
    int premiere = 0;  // tranche la plus basse, puis une tous les intervalle ans
    int derniere = 0;
    std::vector<std::uint32_t> comptes;  // de premiere à derniere
    std::uint32_t plusGrand = 0;

    bool vide() const { return plusGrand == 0; }
};

int bornerIntervalle(int intervalle);
int trancheDe(int annee, int intervalle);

// annees : par numéro de personne (indice 0 inutilisé).
TranchesNaissances compterNaissances(const std::vector<std::int16_t>& annees, const EnsemblePersonnes& population,
                                     int intervalle);

std::int64_t pasGraduation(std::int64_t etendue);
// Marques d'un axe de debut à fin (bornes comprises) au pas de la graduation de l'étendue.
std::vector<std::int64_t> marquesGraduation(std::int64_t debut, std::int64_t fin);

}  // namespace lignara
