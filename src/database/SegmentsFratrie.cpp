#include "database/SegmentsFratrie.h"

#include <algorithm>
#include <limits>

namespace lignara {

namespace {

constexpr std::int64_t kMoinsInfini = std::numeric_limits<std::int64_t>::min() / 4;
constexpr std::int64_t kPlusInfini = std::numeric_limits<std::int64_t>::max() / 4;
// Au-delà, une valeur vient d'une borne ouverte (voir EstimationNaissances.cpp).
constexpr std::int64_t kSeuilConnu = 31800;
constexpr std::size_t kAucun = std::numeric_limits<std::size_t>::max();

}  // namespace

// Une suite de rétrécissements (cadets ou aînés) appliquée à l'intervalle de départ [bas0, haut0].
// pa et pb : plus grand bas et plus petit haut rangés (sans décalage) des enfants déjà vus.
struct SegmentsFratrie::Recherche {
    const std::vector<Noeud>& noeuds;
    bool cadets;
    std::int64_t decalageBas, decalageHaut, bas0, haut0;
    std::int64_t pa = kMoinsInfini, pb = kPlusInfini;

    std::int64_t basDe(const Noeud& n) const { return cadets ? n.basCadets : n.basAines; }
    std::int64_t hautDe(const Noeud& n) const { return cadets ? n.hautCadets : n.hautAines; }
    std::int64_t bas(std::int64_t a) const {
        const std::int64_t x = a + decalageBas;
        return std::max(bas0, x > -kSeuilConnu ? x : kMoinsInfini);
    }
    std::int64_t haut(std::int64_t b) const {
        const std::int64_t y = b + decalageHaut;
        return std::min(haut0, y < kSeuilConnu ? y : kPlusInfini);
    }
    bool croise(const Noeud& n) const { return bas(std::max(pa, basDe(n))) > haut(std::min(pb, hautDe(n))); }

    // Premier rang de [premier, dernier] où les bornes se croisent, ou kAucun ; pa et pb
    // s'arrêtent juste avant lui.
    std::size_t chercher(std::size_t noeud, std::size_t debut, std::size_t fin, std::size_t premier,
                         std::size_t dernier) {
        if (fin < premier || debut > dernier) return kAucun;
        const Noeud& n = noeuds[noeud];
        if (premier <= debut && fin <= dernier) {
            if (!croise(n)) {
                pa = std::max(pa, basDe(n));
                pb = std::min(pb, hautDe(n));
                return kAucun;
            }
            if (debut == fin) return debut;
        }
        const std::size_t milieu = debut + (fin - debut) / 2;
        const std::size_t trouve = chercher(2 * noeud, debut, milieu, premier, dernier);
        return trouve != kAucun ? trouve : chercher(2 * noeud + 1, milieu + 1, fin, premier, dernier);
    }
};

SegmentsFratrie::SegmentsFratrie(std::size_t taille)
    : taille_(taille),
      noeuds_(4 * std::max<std::size_t>(taille, 1), Noeud{kMoinsInfini, kPlusInfini, kMoinsInfini, kPlusInfini}) {}

void SegmentsFratrie::fixer(std::size_t rang, IntervalleAnnees intervalle) {
    const auto j = static_cast<std::int64_t>(rang);
    const bool basConnu = intervalle.min > -kSeuilConnu;
    const bool hautConnu = intervalle.max < kSeuilConnu;
    const Noeud feuille{basConnu ? intervalle.min - 2 * j : kMoinsInfini, hautConnu ? intervalle.max - j : kPlusInfini,
                        basConnu ? intervalle.min - j : kMoinsInfini, hautConnu ? intervalle.max - 2 * j : kPlusInfini};
    fixer(1, 0, taille_ - 1, rang, feuille);
}

void SegmentsFratrie::fixer(std::size_t noeud, std::size_t debut, std::size_t fin, std::size_t rang,
                            const Noeud& feuille) {
    if (debut == fin) {
        noeuds_[noeud] = feuille;
        return;
    }
    const std::size_t milieu = debut + (fin - debut) / 2;
    if (rang <= milieu)
        fixer(2 * noeud, debut, milieu, rang, feuille);
    else
        fixer(2 * noeud + 1, milieu + 1, fin, rang, feuille);
    const Noeud& g = noeuds_[2 * noeud];
    const Noeud& d = noeuds_[2 * noeud + 1];
    noeuds_[noeud] = {std::max(g.basCadets, d.basCadets), std::min(g.hautCadets, d.hautCadets),
                      std::max(g.basAines, d.basAines), std::min(g.hautAines, d.hautAines)};
}

void SegmentsFratrie::appliquerSuite(bool cadets, std::size_t premier, std::size_t dernier, std::int64_t decalageBas,
                                     std::int64_t decalageHaut, int& bas, int& haut) const {
    if (premier > dernier || dernier >= taille_ || bas == haut) return;
    Recherche r{noeuds_, cadets, decalageBas, decalageHaut, bas, haut};
    const std::size_t j = r.chercher(1, 0, taille_ - 1, premier, dernier);
    if (j == kAucun) {
        bas = static_cast<int>(r.bas(r.pa));
        haut = static_cast<int>(r.haut(r.pb));
        return;
    }
    // Les bornes se croisent à l'enfant j : le bas qu'il propose dépasse le haut d'avant lui
    // (l'intervalle se ferme sur ce haut), ou son haut passe sous le bas (il se ferme sur ce bas).
    const Noeud feuille = [&] {
        std::size_t noeud = 1, debut = 0, fin = taille_ - 1;
        while (debut != fin) {
            const std::size_t milieu = debut + (fin - debut) / 2;
            if (j <= milieu)
                noeud = 2 * noeud, fin = milieu;
            else
                noeud = 2 * noeud + 1, debut = milieu + 1;
        }
        return noeuds_[noeud];
    }();
    const std::int64_t basAvecJ = r.bas(std::max(r.pa, r.basDe(feuille)));
    const std::int64_t hautAvantJ = r.haut(r.pb);
    const std::int64_t point = basAvecJ > hautAvantJ ? hautAvantJ : basAvecJ;
    bas = haut = static_cast<int>(point);
}

void SegmentsFratrie::appliquer(std::size_t rang, int& bas, int& haut) const {
    const auto r = static_cast<std::int64_t>(rang);
    if (rang + 1 < taille_) appliquerSuite(true, rang + 1, taille_ - 1, 2 * r, r, bas, haut);
    if (rang > 0) appliquerSuite(false, 0, rang - 1, r, 2 * r, bas, haut);
}

}  // namespace lignara
