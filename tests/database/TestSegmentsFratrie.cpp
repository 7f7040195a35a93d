// Les rétrécissements d'une grande fratrie lus dans l'arbre de segments sont ceux de la boucle directe,
// enfant par enfant, même quand les bornes se croisent ; une borne ouverte ne propose rien, même loin.
#include "database/SegmentsFratrie.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace lignara {
namespace {

constexpr int kOuvert = IntervalleAnnees::kSansBorne;

// La suite de rétrécissements telle que l'estimation la décrit, un frère ou une sœur après l'autre.
struct Reference {
    int bas, haut;
    void monter(long long x) {
        if (x > -31800 && std::min<long long>(x, haut) > bas) bas = static_cast<int>(std::min<long long>(x, haut));
    }
    void descendre(long long y) {
        if (y < 31800 && std::max<long long>(y, bas) < haut) haut = static_cast<int>(std::max<long long>(y, bas));
    }
    void appliquer(const std::vector<IntervalleAnnees>& fratrie, std::size_t rang) {
        const auto r = static_cast<long long>(rang);
        for (std::size_t j = rang + 1; j < fratrie.size(); ++j) {
            const long long k = static_cast<long long>(j) - r;
            if (fratrie[j].min > -31800) monter(fratrie[j].min - 2 * k);
            if (fratrie[j].max < 31800) descendre(fratrie[j].max - k);
        }
        for (std::size_t j = 0; j < rang; ++j) {
            const long long d = r - static_cast<long long>(j);
            if (fratrie[j].min > -31800) monter(fratrie[j].min + d);
            if (fratrie[j].max < 31800) descendre(fratrie[j].max + 2 * d);
        }
    }
};

IntervalleAnnees auHasard(std::mt19937& alea, int centre) {
    const int a = centre + static_cast<int>(alea() % 80) - 40;
    switch (alea() % 6) {
        case 0: return {static_cast<std::int16_t>(a), static_cast<std::int16_t>(a)};
        case 1: return {static_cast<std::int16_t>(a), static_cast<std::int16_t>(a + 1 + alea() % 30)};
        case 2: return {static_cast<std::int16_t>(-kOuvert), static_cast<std::int16_t>(a)};
        case 3: return {static_cast<std::int16_t>(a), static_cast<std::int16_t>(kOuvert)};
        default: return {static_cast<std::int16_t>(-kOuvert), static_cast<std::int16_t>(kOuvert)};
    }
}

TEST(SegmentsFratrie, donnentLesRetrecissementsDeLaBoucleDirectePourChaqueEnfant) {
    std::mt19937 alea(2024);
    for (int essai = 0; essai < 60; ++essai) {
        const std::size_t taille = 1 + alea() % 300;
        // Des années près des bornes connues font aussi passer les valeurs décalées au-delà.
        const int centre = essai % 5 == 0 ? 31500 : essai % 5 == 1 ? -31500 : 1850;
        std::vector<IntervalleAnnees> fratrie(taille);
        SegmentsFratrie segments(taille);
        for (std::size_t j = 0; j < taille; ++j) segments.fixer(j, fratrie[j] = auHasard(alea, centre));
        for (int changement = 0; changement < 3; ++changement) {
            for (std::size_t rang = 0; rang < taille; ++rang) {
                const IntervalleAnnees depart = auHasard(alea, centre);
                Reference attendu{depart.min, depart.max};
                attendu.appliquer(fratrie, rang);
                int bas = depart.min, haut = depart.max;
                segments.appliquer(rang, bas, haut);
                ASSERT_EQ(std::pair(bas, haut), std::pair(attendu.bas, attendu.haut)) << essai << " rang " << rang;
            }
            const std::size_t j = alea() % taille;
            segments.fixer(j, fratrie[j] = auHasard(alea, centre));
        }
    }
}

}  // namespace
}  // namespace lignara
