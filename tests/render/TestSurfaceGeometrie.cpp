#include <array>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

#include "render/GeometrieTrace.h"

using namespace lignara;

namespace {

// Le point de rencontre en (x, y) ; (-1, -1) quand il n'y en a pas.
std::pair<std::int64_t, std::int64_t> rencontre(const std::array<std::int32_t, 8>& points) {
    const auto p = rencontreTangentes(points);
    return p ? std::pair(p->x, p->y) : std::pair<std::int64_t, std::int64_t>(-1, -1);
}

}  // namespace

TEST(SurfaceGeometrie, lesTangentesDUneCourbeSeRencontrentSelonLeursPentes) {
    using P = std::pair<std::int64_t, std::int64_t>;
    EXPECT_EQ(rencontre({0, 0, 50, 50, 150, 50, 200, 0}), P(100, 100));  // y = x et y = −x + 200
    // Une tangente verticale : le point est sur l'autre, à son x (x0 pour la première, x2 pour la seconde).
    EXPECT_EQ(rencontre({10, 0, 10, 90, 100, 50, 200, 150}), P(10, -40));
    EXPECT_EQ(rencontre({0, 0, 100, 50, 300, 500, 300, 900}), P(300, 150));
    EXPECT_FALSE(rencontreTangentes({0, 0, 0, 10, 50, 10, 50, 0}));    // deux verticales
    EXPECT_FALSE(rencontreTangentes({0, 0, 10, 10, 50, 60, 60, 70}));  // parallèles
}

TEST(SurfaceGeometrie, lesPoigneesDUnQuartSontArrondies) {
    EXPECT_EQ(poigneeQuart(1600), 886);  // 885,92
    EXPECT_EQ(poigneeQuart(1000), 554);  // 553,7
    EXPECT_EQ(poigneeQuart(10), 6);      // 5,537
}

TEST(SurfaceGeometrie, unArcSeDecoupeEnQuartsPuisEnUnResteDirect) {
    const float pi = std::numbers::pi_v<float>;
    DecoupeArc d = decouperArc(0, 0, 1000, 0.0f, pi / 2);
    EXPECT_TRUE(d.quarts.empty());
    ASSERT_TRUE(d.reste);
    EXPECT_EQ((*d.reste)[0], 1000);    // départ sur l'axe des x
    EXPECT_NEAR((*d.reste)[6], 0, 1);  // arrivée sur l'axe des y
    EXPECT_NEAR((*d.reste)[7], 1000, 1);
    EXPECT_NEAR((*d.reste)[3], 552, 2);  // poignée le long de la tangente

    d = decouperArc(0, 0, 1000, 0.0f, 2 * pi);
    // Quatre quarts en tout ; selon l'arrondi, le dernier est tourné ou direct.
    EXPECT_EQ(d.quarts.size() + (d.reste ? 1u : 0u), 4u);
    ASSERT_GE(d.quarts.size(), 3u);
    EXPECT_FLOAT_EQ(d.quarts[2], pi);

    d = decouperArc(0, 0, 1000, 1.0f, 1.0f);
    EXPECT_TRUE(d.quarts.empty());
    EXPECT_FALSE(d.reste);
}

TEST(SurfaceGeometrie, lesNiveauxDeTransformationAgissentDuDernierAuPremier) {
    StyleTrace s;
    s.profondeur = 2;
    s.transformations[0] = {1, 0, 0, 1, 1000, 0};  // translation
    s.transformations[1] = {0, 1, -1, 0, 0, 0};    // quart de tour
    // Le niveau intérieur d'abord, comme les « cm » imbriqués : (10, 0) → (0, 10) → (1000, 10).
    const PointTrace p = transformer(s, 10, 0);
    EXPECT_TRUE(p.x == 1000 && p.y == 10) << p.x << ", " << p.y;
}

TEST(SurfaceGeometrie, uneTransformationDemesureeResteDansLesEntiers) {
    StyleTrace s;
    s.profondeur = 1;
    s.transformations[0] = {1e30f, 0, 0, 1, 0, 0};
    EXPECT_GT(transformer(s, 10, 0).x, 0);
    s.transformations[0] = {std::numeric_limits<float>::quiet_NaN(), 0, 0, 1, 0, 0};
    EXPECT_EQ(transformer(s, 10, 0).x, 0);
}
