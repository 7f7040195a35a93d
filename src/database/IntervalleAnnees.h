#pragma once
// Intervalle d'années tiré d'une date : deux i16, bornes comprises. ±32000 veut dire « sans borne ».
#include <cstdint>

namespace lignara {

struct IntervalleAnnees {
    static constexpr std::int16_t kSansBorne = 32000;

    std::int16_t min = -kSansBorne;
    std::int16_t max = kSansBorne;

    // Aucune date : toutes les années sont possibles.
    static constexpr IntervalleAnnees inconnu() { return {}; }

    bool contient(int annee) const { return annee >= min && annee <= max; }

    friend bool operator==(const IntervalleAnnees&, const IntervalleAnnees&) = default;
};

}  // namespace lignara
