#include "render/GeometrieTrace.h"

#include <algorithm>
#include <cmath>

namespace lignara {

PointTrace transformer(const StyleTrace& style, double x, double y) {
    for (int niveau = style.profondeur - 1; niveau >= 0; --niveau) {
        const auto& t = style.transformations[static_cast<std::size_t>(niveau)];
        const double nx = t[0] * x + t[2] * y + t[4];
        const double ny = t[1] * x + t[3] * y + t[5];
        x = nx;
        y = ny;
    }
    // Une transformation démesurée (ou non finie) ne doit pas sortir des entiers.
    auto entier = [](double v) {
        if (!std::isfinite(v)) return std::int64_t{0};
        return static_cast<std::int64_t>(std::clamp(v, -4.0e18, 4.0e18));
    };
    return {entier(x), entier(y)};
}

std::optional<PointTrace> rencontreTangentes(const std::array<std::int32_t, 8>& p) {
    const double x0 = p[0], y0 = p[1], x1 = p[2], y1 = p[3];
    const double x2 = p[4], y2 = p[5], x3 = p[6], y3 = p[7];
    const bool pente1 = x1 != x0, pente2 = x3 != x2;
    const double m1 = pente1 ? (y1 - y0) / (x1 - x0) : 0, k1 = y0 - m1 * x0;
    const double m2 = pente2 ? (y3 - y2) / (x3 - x2) : 0, k2 = y2 - m2 * x2;
    double x = 0, y = 0;
    if (pente1 && pente2) {
        if (m1 == m2) return std::nullopt;
        x = (k2 - k1) / (m1 - m2);
        y = m1 * x + k1;
    } else if (pente2) {
        x = x0;
        y = m2 * x0 + k2;
    } else if (pente1) {
        x = x2;
        y = m1 * x2 + k1;
    } else {
        return std::nullopt;
    }
    // Des tangentes presque parallèles se rencontrent très loin : la plage reste bornée par
    // la grille, on évite seulement de sortir des entiers.
    constexpr double kLimite = 4.0e12;
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > kLimite || std::fabs(y) > kLimite) return std::nullopt;
    return PointTrace{static_cast<std::int64_t>(x), static_cast<std::int64_t>(y)};
}

std::int32_t poigneeQuart(std::int32_t rayon) {
    const std::int64_t produit = std::int64_t{rayon} * 5537;
    const std::int64_t moitie = produit >= 0 ? 5000 : -5000;
    return static_cast<std::int32_t>((produit + moitie) / 10000);
}

DecoupeArc decouperArc(std::int32_t cx, std::int32_t cy, std::int32_t rayon, float debut, float fin) {
    constexpr float kQuart = 1.5707964f;
    DecoupeArc d;
    float alpha = debut;
    // Borne de sûreté : un balayage démesuré ne fait pas des millions de quarts.
    while (std::fabs(fin - alpha) > kQuart && d.quarts.size() < 64) {
        d.quarts.push_back(alpha);
        alpha += kQuart;
    }
    const double h = (static_cast<double>(fin) - alpha) / 2;
    if (!(h > 0)) return d;
    const double mu = alpha + h, r = rayon;
    const double a0 = mu - h, a3 = mu + h;
    const double l = r * 4 * (1 - std::cos(h)) / (3 * std::sin(h));
    const double x0 = cx + r * std::cos(a0), y0 = cy + r * std::sin(a0);
    const double x3 = cx + r * std::cos(a3), y3 = cy + r * std::sin(a3);
    auto e = [](double v) { return static_cast<std::int32_t>(std::clamp(v, -2147483647.0, 2147483647.0)); };
    d.reste = std::array<std::int32_t, 8>{e(x0),
                                          e(y0),
                                          e(x0 - l * std::sin(a0)),
                                          e(y0 + l * std::cos(a0)),
                                          e(x3 + l * std::sin(a3)),
                                          e(y3 - l * std::cos(a3)),
                                          e(x3),
                                          e(y3)};
    return d;
}

}  // namespace lignara
