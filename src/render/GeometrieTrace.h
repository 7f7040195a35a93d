#pragma once
// Calculs géométriques de la surface : points passés par la pile de transformations, point de
// rencontre des tangentes d'une courbe (pour la plage de pages), découpe d'un arc en courbes.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "render/pdf/ContenuPage.h"

namespace lignara {

struct PointTrace {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Le point passé par les niveaux ouverts, tronqué aux entiers. Le niveau empilé en dernier
// agit le premier, comme les « cm » imbriqués de la page.
PointTrace transformer(const StyleTrace& style, double x, double y);

// Rencontre de la droite P0-P1 et de la droite P2-P3 ; vide quand les deux sont verticales ou
// parallèles. points : x0, y0, x1, y1, x2, y2, x3, y3.
std::optional<PointTrace> rencontreTangentes(const std::array<std::int32_t, 8>& points);

// Longueur des poignées d'un quart de cercle de rayon r : r × 5537 ÷ 10000 arrondi.
std::int32_t poigneeQuart(std::int32_t rayon);

// Découpe d'un arc (angles en radians, de debut à fin > debut) : les angles de départ des quarts
// pleins, puis la courbe directe du reste (absente quand il n'y a pas de reste).
struct DecoupeArc {
    std::vector<float> quarts;
    std::optional<std::array<std::int32_t, 8>> reste;
};
DecoupeArc decouperArc(std::int32_t cx, std::int32_t cy, std::int32_t rayon, float debut, float fin);

}  // namespace lignara
