#pragma once
// Calendrier grégorien proleptique et numéros de jour.
//
// NumeroJour : rang du jour dans le calendrier grégorien proleptique (1er janvier de l'an 1 = 1)
// plus 1721424 ; 1er janvier 1800 = 2378496. Les années négatives sont celles d'avant notre ère
// (−1 = 1 av. J.-C.) : il n'y a pas d'an 0, le 31 décembre −1 précède donc le 1er janvier 1.
// Les années bissextiles avant notre ère sont −1, −5, −9… (années astronomiques 0, −4, −8…).
#include <cstdint>

#include "dates/DateGed.h"

namespace lignara {

// 0x7fffffff aux deux bouts : date inconnue.
inline constexpr std::int32_t kJourInconnu = 0x7fffffff;

struct DateCivile {
    int jour = 0;
    int mois = 0;
    int annee = 0;  // jamais 0 : l'année −1 (1 av. J.-C.) précède l'an 1
    friend bool operator==(const DateCivile&, const DateCivile&) = default;
};

bool anneeBissextile(int annee);

// 1 à 31 ; 0 pour un mois hors de 1–12.
int joursDansMois(int mois, int annee);

// Pas de correction : un jour 31 dans un mois de 30 jours passe au mois suivant.
std::int32_t NumeroJour(int jour, int mois, int annee);

// L'inverse, pour tout numéro de jour.
DateCivile DateDuNumeroJour(std::int32_t numero);

// Intervalle [bas, haut] de numéros de jour couvert par une date (bornes comprises) ; les deux
// bouts valent kJourInconnu pour une date absente.
struct IntervalleJours {
    std::int32_t bas = kJourInconnu;
    std::int32_t haut = kJourInconnu;

    IntervalleJours() = default;
    IntervalleJours(std::int32_t b, std::int32_t h) : bas(b), haut(h) {}
    explicit IntervalleJours(const DateGed& date);

    bool inconnu() const { return bas == kJourInconnu; }
    friend bool operator==(const IntervalleJours&, const IntervalleJours&) = default;
};

}  // namespace lignara
