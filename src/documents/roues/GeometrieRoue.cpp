#include "documents/roues/GeometrieRoue.h"

#include <algorithm>
#include <cmath>

namespace lignara::roue {

namespace {

constexpr std::int32_t kRayons[kCerclesMax + 1] = {0, 800, 1440, 2080, 2720, 3360, 4800, 6240, 8160, 10080};
constexpr int kModes[kCerclesMax + 1] = {0, 0, 1, 1, 1, 1, 2, 2, 3, 3};

const std::array<CosSin, kPasTable>& table() {
    static const std::array<CosSin, kPasTable> t = [] {
        std::array<CosSin, kPasTable> p{};
        for (int j = 0; j < kPasTable; ++j) {
            const double a = kPiExact - j * 2 * kPiExact / kPasTable;
            p[static_cast<std::size_t>(j)] = {static_cast<std::int32_t>(std::cos(a) * 10000),
                                              static_cast<std::int32_t>(std::sin(a) * 10000)};
        }
        return p;
    }();
    return t;
}

}  // namespace

std::int32_t rayonCercle(int cercle) { return kRayons[std::clamp(cercle, 0, kCerclesMax)]; }

int modeCercle(int cercle) { return kModes[std::clamp(cercle, 0, kCerclesMax)]; }

int generationsPourFormat(std::int16_t formatPapier) {
    switch (formatPapier) {
        case 1705:
        case 1710: return 8;  // A2
        case 1706:
        case 1711: return 7;  // A3
        case 1722:
        case 1725: return 6;  // Tabloid
        case 1707:
        case 1712:
        case 1720:
        case 1723:
        case 1721:
        case 1724: return 5;  // A4, Letter, Legal
        default: return 9;    // Non paginé, A0, A1
    }
}

CosSin pasTable(int pas) { return table()[static_cast<std::size_t>(((pas % kPasTable) + kPasTable) % kPasTable)]; }

std::int32_t angleDuPas(int pas) { return kPi - pas * 2 * kPi / kPasTable; }

CosSin cosSinAngle(std::int32_t angle) {
    const float a = static_cast<float>(angle) / 10000.0f;
    return {static_cast<std::int32_t>(std::cos(a) * 10000.0f), static_cast<std::int32_t>(std::sin(a) * 10000.0f)};
}

std::int32_t rayonAnneauDescendant(int anneau) { return kLargeurAnneau * anneau - 360; }

float angleBoite(int anneau) { return 2.0f * std::asin(88.0f / static_cast<float>(rayonAnneauDescendant(anneau))); }

std::int32_t cercleDescendant(int anneau) { return rayonAnneauDescendant(anneau) - 45; }

void BoiteRoue::ajouter(const BoiteRoue& autre) {
    xMin = std::min(xMin, autre.xMin);
    yMin = std::min(yMin, autre.yMin);
    xMax = std::max(xMax, autre.xMax);
    yMax = std::max(yMax, autre.yMax);
}

BoiteRoue boiteCouronne(std::int32_t rInterieur, std::int32_t rExterieur, double debut, double fin) {
    double xMin = 1e18, yMin = 1e18, xMax = -1e18, yMax = -1e18;
    auto point = [&](double r, double a) {
        const double x = r * std::cos(a), y = r * std::sin(a);
        xMin = std::min(xMin, x);
        xMax = std::max(xMax, x);
        yMin = std::min(yMin, y);
        yMax = std::max(yMax, y);
    };
    for (std::int32_t r : {rInterieur, rExterieur}) {
        point(r, debut);
        point(r, fin);
    }
    // Les points extrêmes des axes que l'arc traverse.
    const double quart = kPiExact / 2;
    for (double a = std::ceil(debut / quart) * quart; a <= fin; a += quart) point(rExterieur, a);
    return {static_cast<std::int32_t>(std::floor(xMin)), static_cast<std::int32_t>(std::floor(yMin)),
            static_cast<std::int32_t>(std::ceil(xMax)), static_cast<std::int32_t>(std::ceil(yMax))};
}

}  // namespace lignara::roue
