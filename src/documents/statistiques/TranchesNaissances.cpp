#include "documents/statistiques/TranchesNaissances.h"

#include <algorithm>
#include <limits>

#include "database/EstimationNaissances.h"

namespace lignara {

namespace {

std::int64_t divisionVersLeBas(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

int bornerIntervalle(int intervalle) { return std::clamp(intervalle, 1, 100); }

int trancheDe(int annee, int intervalle) {
    const int n = bornerIntervalle(intervalle);
    return static_cast<int>(divisionVersLeBas(annee, n) * n + n / 2);
}

TranchesNaissances compterNaissances(const std::vector<std::int16_t>& annees, const EnsemblePersonnes& population,
                                     int intervalle) {
    TranchesNaissances t;
    t.intervalle = bornerIntervalle(intervalle);
    const int n = t.intervalle;
    // Un compte par tranche possible d'une année sur 16 bits, indexé depuis la plus basse.
    const std::int64_t rangBas = divisionVersLeBas(std::numeric_limits<std::int16_t>::min(), n);
    const std::int64_t rangHaut = divisionVersLeBas(TranchesNaissances::kTrancheMaximale, n);
    std::vector<std::uint32_t> parRang(static_cast<std::size_t>(rangHaut - rangBas + 1), 0);
    std::int64_t rangMin = std::numeric_limits<std::int64_t>::max();
    std::int64_t rangMax = std::numeric_limits<std::int64_t>::min();
    for (std::size_t p = 1; p < annees.size(); ++p) {
        if (annees[p] == EstimationNaissances::kAucuneAnnee) continue;
        if (!population.contient(static_cast<std::uint32_t>(p))) continue;
        if (trancheDe(annees[p], n) > TranchesNaissances::kTrancheMaximale) continue;
        const std::int64_t rang = divisionVersLeBas(annees[p], n) - rangBas;
        ++parRang[static_cast<std::size_t>(rang)];
        rangMin = std::min(rangMin, rang);
        rangMax = std::max(rangMax, rang);
    }
    if (rangMin > rangMax) return t;
    t.premiere = static_cast<int>((rangMin + rangBas) * n + n / 2);
    t.derniere = static_cast<int>((rangMax + rangBas) * n + n / 2);
    t.comptes.assign(parRang.begin() + rangMin, parRang.begin() + rangMax + 1);
    t.plusGrand = *std::max_element(t.comptes.begin(), t.comptes.end());
    return t;
}

// La suite 1, 2, 5, 10… continue au-delà de 5000 : sans cela, un axe de plusieurs centaines de
// milliers de personnes porterait des centaines de marques illisibles.
std::int64_t pasGraduation(std::int64_t etendue) {
    std::int64_t meilleur = 1;
    for (std::int64_t puissance = 1; puissance <= etendue / 10; puissance *= 10)
        for (std::int64_t chiffre : {1, 2, 5})
            if (etendue / (chiffre * puissance) >= 10) meilleur = chiffre * puissance;
    return meilleur;
}

std::vector<std::int64_t> marquesGraduation(std::int64_t debut, std::int64_t fin) {
    std::vector<std::int64_t> marques;
    if (fin < debut) return marques;
    const std::int64_t pas = pasGraduation(fin - debut);
    for (std::int64_t m = -divisionVersLeBas(-debut, pas) * pas; m <= fin; m += pas) marques.push_back(m);
    return marques;
}

}  // namespace lignara
