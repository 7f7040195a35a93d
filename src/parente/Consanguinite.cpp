#include "parente/Consanguinite.h"

#include <algorithm>
#include <utility>

namespace lignara {

namespace {

std::int32_t anneeDe(const std::vector<std::int16_t>& annees, std::uint32_t personne) {
    return personne != 0 && personne < annees.size() ? annees[personne] : 9999;
}

std::int64_t cleDe(const Consanguinite& c, TriConsanguinites cle, const std::vector<std::int16_t>& annees) {
    switch (cle) {
        case TriConsanguinites::Degre:
            return 2 * static_cast<std::int64_t>(c.degre()) + (c.conjointsSommet[0] != c.conjointsSommet[1] ? 1 : 0);
        case TriConsanguinites::DateSommet: return anneeDe(annees, c.sommet);
        case TriConsanguinites::DateBase: return anneeDe(annees, c.base);
    }
    return 0;
}

}  // namespace

void Consanguinite::echangerLignes() {
    std::swap(lignes[0], lignes[1]);
    std::swap(conjointsSommet[0], conjointsSommet[1]);
}

void ordonnerLignes(Consanguinite& cas, const std::vector<std::int16_t>& annees) {
    bool premier = cas.conjointsSommet[0] != 0, second = cas.conjointsSommet[1] != 0;
    if (premier != second) {
        if (premier) cas.echangerLignes();
        return;
    }
    if (cas.lignes[0].empty()) {
        cas.echangerLignes();
        return;
    }
    if (!cas.lignes[1].empty() && anneeDe(annees, cas.lignes[0].front()) > anneeDe(annees, cas.lignes[1].front()))
        cas.echangerLignes();
}

void trierConsanguinites(std::vector<Consanguinite>& cas, TriConsanguinites cle,
                         const std::vector<std::int16_t>& annees) {
    std::stable_sort(cas.begin(), cas.end(), [&](const Consanguinite& a, const Consanguinite& b) {
        return cleDe(a, cle, annees) < cleDe(b, cle, annees);
    });
}

}  // namespace lignara
