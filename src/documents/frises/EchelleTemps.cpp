#include "documents/frises/EchelleTemps.h"

#include <algorithm>

namespace lignara {

namespace {

constexpr int kPas[] = {5, 10, 20, 50, 100, 200, 300, 500, 1000, 2000, 5000};
constexpr int kPasMax = 20;

}  // namespace

EchelleTemps::EchelleTemps(PlageJours plage, std::int32_t gauche, std::int32_t largeur, bool fixe110Ans)
    : gauche_(gauche), largeur_(std::max<std::int32_t>(largeur, kMargeDroite + 1)) {
    if (plage.vide()) return;
    debut_ = plage.debut;
    std::int64_t fin = std::max<std::int64_t>(plage.fin, std::int64_t{debut_} + kPlageMinimale);
    if (fixe110Ans) {
        fin = std::max<std::int64_t>(fin, std::int64_t{debut_} + kJours110Ans);
    } else {
        fin += (fin - debut_) * kMargeDroite / (largeur_ - kMargeDroite);
    }
    fin_ = static_cast<std::int32_t>(std::min<std::int64_t>(fin, kJourInconnu - 1));
}

std::int32_t EchelleTemps::x(std::int32_t jour) const {
    if (vide()) return gauche_;
    const std::int64_t decalage = (std::int64_t{jour} - debut_) * largeur_ / (std::int64_t{fin_} - debut_);
    return static_cast<std::int32_t>(gauche_ + std::clamp<std::int64_t>(decalage, 0, largeur_));
}

// En années grégoriennes moyennes (146097 jours pour 400 ans), comparées sans arrondi.
int EchelleTemps::pasAnnees() const {
    const std::int64_t jours400 = (std::int64_t{fin_} - debut_) * 400;
    auto auPlus20Pas = [jours400](int pas) { return jours400 <= std::int64_t{kPasMax} * pas * 146097; };
    if (auPlus20Pas(1)) return 1;
    for (int pas : kPas)
        if (auPlus20Pas(pas)) return pas;
    return kPas[std::size(kPas) - 1];
}

std::vector<Graduation> EchelleTemps::graduations() const {
    std::vector<Graduation> g;
    if (vide()) return g;
    const int pas = pasAnnees();
    const int premiere = DateDuNumeroJour(debut_).annee;
    const int derniere = DateDuNumeroJour(fin_).annee;
    // Premier multiple du pas à partir de l'année du début (division vers −∞).
    int a = premiere >= 0 ? (premiere + pas - 1) / pas * pas : -((-premiere) / pas * pas);
    for (; a <= derniere; a += pas) {
        if (a == 0) continue;
        const std::int32_t jour = NumeroJour(1, 1, a);
        if (jour < debut_ || jour > fin_) continue;
        g.push_back({a, x(jour)});
    }
    return g;
}

}  // namespace lignara
