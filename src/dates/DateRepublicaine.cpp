#include "dates/DateRepublicaine.h"

namespace lignara {

namespace {

constexpr int kMoisComplementaire = 13;

std::int32_t premierVendemiaire(int an) {
    // Sextiles avant l'an « an » : III, VII… soit an ÷ 4.
    return NumeroJour(22, 9, 1792) + 365 * (an - 1) + an / 4;
}

}  // namespace

bool anRepublicainSextile(int an) { return an > 0 && (an + 1) % 4 == 0; }

int joursDuMoisRepublicain(int mois, int an) {
    if (mois < 1 || mois > kMoisComplementaire) return 0;
    if (mois < kMoisComplementaire) return 30;
    return anRepublicainSextile(an) ? 6 : 5;
}

std::optional<DateCivile> convertirDateRepublicaine(int jour, int mois, int an) {
    if (an < 1 || an > kAnRepublicainMaximum) return std::nullopt;
    const int jours = joursDuMoisRepublicain(mois, an);
    if (jours == 0 || jour < 0 || jour > jours) return std::nullopt;
    const bool moisSeul = jour == 0;
    if (moisSeul) jour = (jours + 1) / 2;
    const int rang = jour + 30 * (mois - 1);
    DateCivile d = DateDuNumeroJour(premierVendemiaire(an) + rang - 1);
    if (moisSeul) d.jour = 0;
    return d;
}

}  // namespace lignara
