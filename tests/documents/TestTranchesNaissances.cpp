#include "documents/statistiques/TranchesNaissances.h"

#include <gtest/gtest.h>

#include "database/EstimationNaissances.h"

namespace lignara {
namespace {

constexpr std::int16_t kAucune = EstimationNaissances::kAucuneAnnee;

EnsemblePersonnes toutes(std::size_t n) {
    EnsemblePersonnes e(static_cast<std::uint32_t>(n));
    for (std::uint32_t p = 1; p <= n; ++p) e.ajouter(p);
    return e;
}

TEST(TranchesNaissances, trancheAuMilieuDeSonIntervalleEtAnneesAvantNotreEre) {
    // Un intervalle nul (favori) ou démesuré est borné à 1–100 ; -3 va dans la tranche -5, pas 5.
    const int cas[][3] = {{1853, 10, 1855}, {1850, 10, 1855}, {1849, 10, 1845}, {1853, 1, 1853},   {-3, 10, -5},
                          {-10, 10, -5},    {-11, 10, -15},   {1853, 0, 1853},  {1853, 1000, 1850}};
    for (const auto& [annee, intervalle, tranche] : cas)
        EXPECT_EQ(trancheDe(annee, intervalle), tranche) << annee << " / " << intervalle;
    EXPECT_EQ(bornerIntervalle(0), 1);
    EXPECT_EQ(bornerIntervalle(65535), 100);
}

TEST(TranchesNaissances, comptesDeLaPlusBasseALaPlusHauteTrancheHorsDeLaPopulation) {
    const std::vector<std::int16_t> annees{kAucune, 1853, 1871, kAucune, 1857, 2105, -3, 1900};
    EnsemblePersonnes population = toutes(annees.size() - 1);
    population.retirer(7);  // 1900 n'est pas de la population
    const TranchesNaissances t = compterNaissances(annees, population, 10);
    EXPECT_EQ(std::tuple(t.premiere, t.derniere, t.plusGrand), std::tuple(-5, 1875, 2u));
    ASSERT_EQ(t.comptes.size(), 189u);
    EXPECT_EQ(std::tuple(t.comptes.front(), t.comptes[(1855 + 5) / 10], t.comptes.back()), std::tuple(1u, 2u, 1u));
    // 2105 tombe dans la tranche 2105, au-delà de 2100 : laissée.
    const TranchesNaissances seule = compterNaissances({kAucune, 2100, 2105}, toutes(2), 1);
    EXPECT_EQ(std::pair(seule.premiere, seule.derniere), std::pair(2100, 2100));
    EXPECT_TRUE(compterNaissances({kAucune, kAucune}, toutes(1), 10).vide());
}

TEST(TranchesNaissances, graduationAuPlusGrandPasQuiDonneDixPas) {
    // La suite 1, 2, 5, 10… continue au-delà de 5000.
    const std::int64_t cas[][2] = {{9, 1},    {10, 1},   {20, 2},       {99, 5},
                                   {100, 10}, {400, 20}, {50000, 5000}, {1000000, 100000}};
    for (const auto& [etendue, pas] : cas) EXPECT_EQ(pasGraduation(etendue), pas) << etendue;
    EXPECT_EQ(marquesGraduation(1853, 1877),
              (std::vector<std::int64_t>{1854, 1856, 1858, 1860, 1862, 1864, 1866, 1868, 1870, 1872, 1874, 1876}));
    EXPECT_EQ(marquesGraduation(0, 3), (std::vector<std::int64_t>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace lignara
