#include "parente/RechercheBoucles.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace lignara {

namespace {

constexpr std::uint32_t kJamais = std::numeric_limits<std::uint32_t>::max();

class Recherche {
public:
    explicit Recherche(const GrapheParente& g)
        : g_(g), lien_(std::size_t{g.nombreNoeuds()} + 1, 0), marque_(std::size_t{g.nombreNoeuds()} + 1, kJamais) {
        std::int32_t haut = 0;
        for (std::uint32_t n = 1; n <= g.nombreNoeuds(); ++n) haut = std::max(haut, g.niveau(n));
        seaux_.resize(static_cast<std::size_t>(haut) + 1);
        // Deux descentes d'un même sommet ne passent qu'une fois par niveau chacune.
        longueurMax_ = 2 * static_cast<std::size_t>(haut) + 2;
    }

    std::vector<BoucleParente> chercher() {
        for (std::uint32_t i = 0; i < g_.nombreFeuilles(); ++i) {
            std::uint32_t feuille = g_.ordre()[i];
            if (lien_[feuille] != 0) continue;
            atteindre(feuille, feuille);
            servir();
        }
        return std::move(boucles_);
    }

private:
    struct Arete {
        std::uint32_t de, vers;
    };

    void atteindre(std::uint32_t noeud, std::uint32_t depuis) {
        lien_[noeud] = depuis;
        auto pousser = [&](std::uint32_t voisin) {
            if (voisin == depuis) return;
            auto s = static_cast<std::size_t>(g_.niveau(voisin));
            seaux_[s].push_back({noeud, voisin});
            plusBas_ = std::min(plusBas_, s);
        };
        for (std::uint32_t v : g_.predecesseurs(noeud)) pousser(v);
        for (std::uint32_t v : g_.successeurs(noeud)) pousser(v);
    }

    void servir() {
        while (plusBas_ < seaux_.size()) {
            if (seaux_[plusBas_].empty()) {
                ++plusBas_;
                continue;
            }
            Arete a = seaux_[plusBas_].back();
            seaux_[plusBas_].pop_back();
            if (lien_[a.vers] == 0) {
                atteindre(a.vers, a.de);
                continue;
            }
            // Chaque arête hors des liens retenus est vue deux fois, une fois de chaque bout.
            if (lien_[a.de] == a.vers || lien_[a.vers] == a.de || a.de > a.vers) continue;
            enregistrer(a.de, a.vers);
        }
    }

    // Remonte un pas ; rend false à la racine de l'arbre du parcours.
    bool monter(std::uint32_t& n) const {
        if (lien_[n] == n) return false;
        n = lien_[n];
        return true;
    }

    void enregistrer(std::uint32_t x, std::uint32_t y) {
        const std::uint32_t cote[2] = {2 * numero_, 2 * numero_ + 1};
        ++numero_;
        std::vector<std::uint32_t> moities[2] = {{x}, {y}};
        marque_[x] = cote[0];
        marque_[y] = cote[1];
        std::uint32_t bouts[2] = {x, y};
        std::uint32_t commun = 0;
        while (commun == 0) {
            if (moities[0].size() + moities[1].size() > longueurMax_) return;
            bool avance = false;
            for (int c = 0; c < 2 && commun == 0; ++c) {
                if (!monter(bouts[c])) continue;
                avance = true;
                moities[c].push_back(bouts[c]);
                if (marque_[bouts[c]] == cote[1 - c]) commun = bouts[c];
                marque_[bouts[c]] = cote[c];
            }
            if (!avance) return;  // deux arbres distincts : impossible pour une arête du parcours
        }
        BoucleParente b;
        auto jusquAuCommun = [&](const std::vector<std::uint32_t>& m) {
            return static_cast<std::size_t>(std::find(m.begin(), m.end(), commun) - m.begin());
        };
        std::size_t fin0 = jusquAuCommun(moities[0]), fin1 = jusquAuCommun(moities[1]);
        b.noeuds.assign(moities[0].begin(), moities[0].begin() + static_cast<std::ptrdiff_t>(fin0) + 1);
        for (std::size_t k = fin1; k-- > 0;) b.noeuds.push_back(moities[1][k]);
        b.haut = b.bas = g_.niveau(b.noeuds[0]);
        for (std::uint32_t n : b.noeuds) {
            b.haut = std::max(b.haut, g_.niveau(n));
            b.bas = std::min(b.bas, g_.niveau(n));
        }
        boucles_.push_back(std::move(b));
    }

    const GrapheParente& g_;
    std::vector<std::uint32_t> lien_;    // nœud d'où chacun a été atteint (lui-même au départ, 0 : jamais)
    std::vector<std::uint32_t> marque_;  // côté de la remontée qui l'a vu, pour la boucle en cours
    std::vector<std::vector<Arete>> seaux_;
    std::size_t plusBas_ = 0;
    std::size_t longueurMax_ = 0;
    std::uint32_t numero_ = 0;
    std::vector<BoucleParente> boucles_;
};

}  // namespace

std::vector<BoucleParente> chercherBoucles(const GrapheParente& graphe) { return Recherche(graphe).chercher(); }

}  // namespace lignara
