#pragma once
// Intervalles d'années tirés des dates de la base, pour l'estimation des naissances :
//   date simple [a, a] ; avant [−32000, a] ; après [a, 32000] ; vers [a − 2, a + 2] ;
//   entre [a1, a2] ; sans date (année 0) ou emplacement vide [−32000, 32000].
// Les bornes restent dans [−32000, 32000] ; un « entre » donné à l'envers est remis à l'endroit,
// pour qu'un intervalle ait toujours son minimum sous son maximum.
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "dates/DateGed.h"
#include "database/IntervalleAnnees.h"

namespace lignara {

IntervalleAnnees IntervalleDeDate(const DateGed& date);

// Un intervalle par emplacement d'événement ; indice = numéro d'événement (indice 0 inutilisé).
std::vector<IntervalleAnnees> IntervallesEvenements(const BaseGenealogique& base);

// Un intervalle par fiche Famille, celui de son mariage ; indice = numéro de fiche (0 inutilisé).
// Un numéro de mariage hors des emplacements compte comme absent.
std::vector<IntervalleAnnees> IntervallesMariages(const BaseGenealogique& base,
                                                  const std::vector<IntervalleAnnees>& evenements);

}  // namespace lignara
