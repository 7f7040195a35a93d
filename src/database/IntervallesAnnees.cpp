#include "database/IntervallesAnnees.h"

#include <algorithm>

namespace lignara {

namespace {

std::int16_t borne(int annee) {
    return static_cast<std::int16_t>(
        std::clamp(annee, -int{IntervalleAnnees::kSansBorne}, int{IntervalleAnnees::kSansBorne}));
}

IntervalleAnnees de(int min, int max) {
    if (min > max) std::swap(min, max);
    return {borne(min), borne(max)};
}

}  // namespace

IntervalleAnnees IntervalleDeDate(const DateGed& date) {
    if (date.absente()) return IntervalleAnnees::inconnu();
    const int a = date.annee;
    const int ouvert = IntervalleAnnees::kSansBorne;
    switch (date.qualificatif) {
        case DateAvant: return de(-ouvert, a);
        case DateApres: return de(a, ouvert);
        case DateVers: return de(a - 2, a + 2);
        case DateEntre: return de(date.premiereAnnee(), a);
        default: return de(a, a);
    }
}

std::vector<IntervalleAnnees> IntervallesEvenements(const BaseGenealogique& base) {
    const std::uint32_t n = base.nombreEvenements();
    std::vector<IntervalleAnnees> intervalles(std::size_t{n} + 1);
    for (std::uint32_t e = 1; e <= n; ++e) intervalles[e] = IntervalleDeDate(base.LireEvenement(e).date);
    return intervalles;
}

std::vector<IntervalleAnnees> IntervallesMariages(const BaseGenealogique& base,
                                                  const std::vector<IntervalleAnnees>& evenements) {
    const std::uint32_t n = base.nombreFamilles();
    std::vector<IntervalleAnnees> intervalles(std::size_t{n} + 1);
    for (std::uint32_t f = 1; f <= n; ++f) {
        std::uint32_t mariage = base.LireFamille(f).mariage;
        if (mariage != 0 && mariage < evenements.size()) intervalles[f] = evenements[mariage];
    }
    return intervalles;
}

}  // namespace lignara
