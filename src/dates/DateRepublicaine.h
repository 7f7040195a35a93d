#pragma once
// Calendrier républicain : 12 mois de 30 jours (vendémiaire = 1 … fructidor = 12) et les jours
// complémentaires (mois 13), 5 ou 6 selon que l'année est sextile.
//
// Années sextiles : III, VII, XI (celles de l'usage, fixées par l'équinoxe), puis la même
// cadence de quatre ans (XV, XIX…). Le 1er vendémiaire tombe ainsi le 22 septembre 1792 (an I),
// le 23 septembre 1795 (an IV), le 24 septembre 1803 (an XII) : la conversion passe par les
// numéros de jour, ce qui tient compte des 29 février grégoriens sans table.
#include <optional>

#include "dates/DateCalendrier.h"

namespace lignara {

// Au-delà, l'année grégorienne sortirait des années que les dates gardent (9999).
inline constexpr int kAnRepublicainMaximum = 8000;

bool anRepublicainSextile(int an);

// Jours du mois républicain (30, ou 5/6 pour les jours complémentaires) ; 0 hors de 1–13.
int joursDuMoisRepublicain(int mois, int an);

// Date grégorienne d'un jour républicain (jour 1–30, mois 1–13, an ≥ 1) ; rien si la date
// n'existe pas. Jour 0 : mois seul, rendu par le mois grégorien qui en contient le milieu
// (jour 0 dans le résultat).
std::optional<DateCivile> convertirDateRepublicaine(int jour, int mois, int an);

}  // namespace lignara
