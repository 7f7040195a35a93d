// Listes d'indices des registres : en ligne tant qu'elles sont courtes, sur le tas au-delà.
// Le passage de l'un à l'autre, les copies et les déplacements ne doivent rien perdre ni
// partager (sous AddressSanitizer, une faute de place se voit ici).
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "gedcom/ListeIndices.h"

namespace lignara {
namespace {

template <std::size_t N>
std::vector<std::uint32_t> contenu(const ListeIndices<N>& l) {
    return {l.begin(), l.end()};
}

std::vector<std::uint32_t> suite(std::uint32_t n) {
    std::vector<std::uint32_t> v(n);
    std::iota(v.begin(), v.end(), 100u);
    return v;
}

TEST(ListeIndices, gardeSesElementsEnLigneCommeSurLeTas) {
    for (std::uint32_t n : {0u, 1u, 2u, 3u, 4u, 5u, 17u, 1000u}) {
        ListeIndices<2> l;
        for (std::uint32_t x : suite(n)) l.push_back(x);
        ASSERT_EQ(contenu(l), suite(n)) << n;
        ASSERT_EQ(l.size(), n);
        ASSERT_EQ(l.empty(), n == 0);
        if (n > 0) {
            EXPECT_EQ(l.front(), 100u);
            EXPECT_EQ(l.back(), 100u + n - 1);
        }
    }
}

TEST(ListeIndices, copieEtDeplacementNePartagentRien) {
    for (std::uint32_t n : {1u, 2u, 3u, 40u}) {
        ListeIndices<2> a;
        for (std::uint32_t x : suite(n)) a.push_back(x);
        ListeIndices<2> copie = a;
        copie[0] = 7;
        EXPECT_EQ(a[0], 100u) << n;
        ListeIndices<2> deplacee = std::move(a);
        EXPECT_EQ(contenu(deplacee), suite(n));
        EXPECT_TRUE(a.empty());  // NOLINT(bugprone-use-after-move) : l'état vide est promis
        a.push_back(5);          // la source déplacée resert
        EXPECT_EQ(contenu(a), std::vector<std::uint32_t>{5});
        ListeIndices<2> cible;
        for (std::uint32_t x : suite(30)) cible.push_back(x);
        cible = std::move(deplacee);  // la place de la cible est rendue
        EXPECT_EQ(contenu(cible), suite(n));
        cible = copie;
        EXPECT_EQ(cible, copie);
        const ListeIndices<2>& memeListe = cible;
        cible = memeListe;  // affectation à soi-même
        EXPECT_EQ(cible, copie);
    }
}

TEST(ListeIndices, effaceEtTrieCommeUnVecteur) {
    const std::vector<std::uint32_t> neuf = suite(9);
    ListeIndices<4> l;
    l.assign(neuf.rbegin(), neuf.rend());
    std::vector<std::uint32_t> v(neuf.rbegin(), neuf.rend());
    auto impair = [](std::uint32_t x) { return x % 2 == 1; };
    l.erase(std::remove_if(l.begin(), l.end(), impair), l.end());
    v.erase(std::remove_if(v.begin(), v.end(), impair), v.end());
    EXPECT_EQ(contenu(l), v);
    std::stable_sort(l.begin(), l.end());
    std::stable_sort(v.begin(), v.end());
    EXPECT_EQ(contenu(l), v);
    l.clear();
    EXPECT_TRUE(l.empty());
    l.push_back(1);
    EXPECT_EQ(contenu(l), std::vector<std::uint32_t>{1});
}

}  // namespace
}  // namespace lignara
