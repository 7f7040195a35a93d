// Hachage des textes courts : chaque octet et la longueur comptent, et les bits bas (ceux que
// prennent les tables) se répartissent sur des clés qui se suivent.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commun/HachageCourt.h"

namespace lignara {
namespace {

TEST(HachageCourt, unOctetChangeOuUneLongueurDifferenteChangeLaValeur) {
    const std::string base = "\x01I123456789012345678@xyz";
    std::set<std::size_t> vues;
    std::size_t essais = 0;
    for (std::size_t n = 0; n <= base.size(); ++n) {
        const std::string t = base.substr(0, n);
        vues.insert(hacherCourt(t));
        ++essais;
        for (std::size_t i = 0; i < n; ++i) {
            std::string u = t;
            u[i] = static_cast<char>(u[i] ^ 0x20);
            vues.insert(hacherCourt(u));
            ++essais;
        }
    }
    // Fins de zéros : la longueur seule les distingue.
    for (std::size_t n = 1; n <= 24; ++n) {
        vues.insert(hacherCourt(std::string(n, '\0')));
        ++essais;
    }
    EXPECT_EQ(vues.size(), essais);
}

TEST(HachageCourt, lesBitsBasSeRepartissentSurDesClesQuiSeSuivent) {
    constexpr std::size_t kCases = 1024, kCles = 64 * kCases;
    std::vector<std::size_t> parCase(kCases);
    for (std::size_t i = 0; i < kCles; ++i) ++parCase[hacherCourt("\x01I" + std::to_string(i) + "@") % kCases];
    for (std::size_t c = 0; c < kCases; ++c) {
        EXPECT_GT(parCase[c], 24u) << c;
        EXPECT_LT(parCase[c], 110u) << c;
    }
}

}  // namespace
}  // namespace lignara
