#include "dates/DateCalendrier.h"

#include <algorithm>

namespace lignara {

namespace {

// Année astronomique : 1 av. J.-C. est l'année 0.
int anneeAstronomique(int annee) { return annee < 0 ? annee + 1 : annee; }

std::int64_t divisionEntiere(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool bissextileAstronomique(std::int64_t a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }

// Le numéro de jour d'une date de 6 octets, mois et jour inconnus remplacés.
std::int32_t numeroRemplace(const DateGed& d, int jourInconnu, int moisInconnu) {
    return NumeroJour(d.jour ? d.jour : jourInconnu, d.mois ? d.mois : moisInconnu, d.annee);
}

}  // namespace

bool anneeBissextile(int annee) { return bissextileAstronomique(anneeAstronomique(annee)); }

int joursDansMois(int mois, int annee) {
    static constexpr int jours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mois < 1 || mois > 12) return 0;
    return mois == 2 && anneeBissextile(annee) ? 29 : jours[mois - 1];
}

std::int32_t NumeroJour(int jour, int mois, int annee) {
    const std::int64_t a = anneeAstronomique(annee);
    const std::int64_t y = a - 1;
    std::int64_t c = 0;
    if (mois > 2) c = bissextileAstronomique(a) ? -1 : -2;
    const std::int64_t n = 365 * y + divisionEntiere(y, 4) - divisionEntiere(y, 100) + divisionEntiere(y, 400) +
                           divisionEntiere(367 * mois - 362, 12) + jour + c + 1721424;
    return static_cast<std::int32_t>(n);
}

DateCivile DateDuNumeroJour(std::int32_t numero) {
    // Ères de 400 ans comptées depuis le 1er mars de l'an 0 astronomique (année commençant en
    // mars : le jour bissextile tombe en fin d'année).
    const std::int64_t z = static_cast<std::int64_t>(numero) - 1721424 - 1 + 306;
    const std::int64_t ere = divisionEntiere(z, 146097);
    const std::int64_t jourEre = z - ere * 146097;
    const std::int64_t anEre = (jourEre - jourEre / 1460 + jourEre / 36524 - jourEre / 146096) / 365;
    const std::int64_t jourAn = jourEre - (365 * anEre + anEre / 4 - anEre / 100);
    const std::int64_t mp = (5 * jourAn + 2) / 153;
    const std::int64_t jour = jourAn - (153 * mp + 2) / 5 + 1;
    const std::int64_t mois = mp < 10 ? mp + 3 : mp - 9;
    std::int64_t annee = anEre + ere * 400 + (mois <= 2 ? 1 : 0);
    if (annee <= 0) annee -= 1;
    return {static_cast<int>(jour), static_cast<int>(mois), static_cast<int>(annee)};
}

IntervalleJours::IntervalleJours(const DateGed& d) {
    if (d.absente()) return;
    switch (d.qualificatif) {
        case DateEntre: {
            const int premiere = d.premiereAnnee() ? d.premiereAnnee() : d.annee;
            bas = NumeroJour(1, 1, std::min<int>(premiere, d.annee));
            haut = NumeroJour(31, 12, std::max<int>(premiere, d.annee));
            break;
        }
        case DateAvant:
            haut = numeroRemplace(d, 30, 12);
            bas = haut - 730;
            break;
        case DateApres:
            bas = numeroRemplace(d, 1, 1);
            haut = bas + 730;
            break;
        case DateVers:
            haut = numeroRemplace(d, 15, 7);
            bas = haut - 365;
            break;
        default:
            bas = numeroRemplace(d, 1, 1);
            haut = numeroRemplace(d, 31, 12);
            break;
    }
}

}  // namespace lignara
