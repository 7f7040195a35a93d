#pragma once
// Bornes de vie d'une personne en numéros de jour, pour les documents qui ont besoin d'un décès
// pour tout le monde (frises, statistiques).
//
// Naissance : l'intervalle de la date de naissance ; sans elle (ou sans année), « vers le
// 1er juillet » de l'année de naissance estimée (9999 : pas d'estimation, naissance inconnue).
// Décès : l'intervalle de la date de décès ; sans elle, une durée de vie type qui croît avec
// l'époque, comptée depuis la borne basse b de la naissance :
//     b avant (numéro de jour)   borne basse        borne haute
//     2378496 (1er janv. 1800)   b + 16425 (45 a)   naissance haute + 23725 (65 a)
//     2415020 (1er janv. 1900)   b + 20075 (55 a)   naissance haute + 27375 (75 a)
//     2433282 (1er janv. 1950)   b + 23725 (65 a)   naissance haute + 31025 (85 a)
//     sinon                      b + 27375 (75 a)   naissance haute + 34675 (95 a)
// (années de 365 jours). Naissance inconnue et décès absent : décès inconnu aussi.
#include <cstdint>

#include "dates/DateGed.h"
#include "dates/DateCalendrier.h"

namespace lignara {

// Année estimée qui veut dire « pas d'estimation ».
inline constexpr std::int16_t kSansEstimation = 9999;

struct BornesVie {
    IntervalleJours naissance;
    IntervalleJours deces;

    static BornesVie calculer(const DateGed& naissance, std::int16_t anneeNaissanceEstimee, const DateGed& deces);
};

}  // namespace lignara
