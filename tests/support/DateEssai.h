#pragma once
// Une date GEDCOM écrite en clair dans un essai : qualificatif, jour, mois, année.
#include <cstdint>

#include "dates/DateGed.h"

namespace lignara::essai {

inline DateGed date(std::uint8_t qualificatif, int jour, int mois, int annee) {
    DateGed d;
    d.qualificatif = qualificatif;
    d.jour = static_cast<std::uint8_t>(jour);
    d.mois = static_cast<std::uint8_t>(mois);
    d.annee = static_cast<std::int16_t>(annee);
    return d;
}

}  // namespace lignara::essai
