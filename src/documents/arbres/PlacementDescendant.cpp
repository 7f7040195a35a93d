#include "documents/arbres/PlacementDescendant.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <vector>

#include "documents/arbres/PlacementArbre.h"

namespace lignara {

namespace {

constexpr std::uint32_t kAucun = std::numeric_limits<std::uint32_t>::max();
constexpr std::int32_t kMargeVerticale = 32;  // autour d'une boîte, pour ses voisines
constexpr int kRecentragesMax = 8;
constexpr std::int32_t kCorrectionComptee = 3;  // plus petit déplacement qui compte
constexpr std::int32_t kCorrectionBloc = 15;    // plus petit déplacement d'un bloc d'enfants
constexpr std::int32_t kCellule = 16;           // pas des tranches de hauteur
constexpr std::size_t kRecentesParTranche = 4;

std::int32_t hautVoisinage(const NoeudDescendant& b) { return b.position - kMargeVerticale; }
std::int32_t basVoisinage(const NoeudDescendant& b) { return b.position + BoiteArbre::kHauteur + kMargeVerticale; }

struct FamilleCouple {
    NoeudDescendant* porteur;
    std::uint32_t debut, fin;  // couples des enfants, [debut, fin)
};

// Une boîte du couple et une boîte qui doit rester à sa gauche.
struct Contrainte {
    const NoeudDescendant* boite;
    const NoeudDescendant* voisine;
};

struct Couple {
    NoeudDescendant* tete = nullptr;
    NoeudDescendant* dernier = nullptr;
    std::uint32_t parent = kAucun;
    std::vector<FamilleCouple> familles;
    std::vector<Contrainte> voisines;
};

class Placement {
public:
    Placement(RangeesDeBoites<NoeudDescendant>& rangees, const ReglesPlacementDescendant& r)
        : rangees_(rangees), r_(r), ecart_(45 * r.espace) {}

    BilanPlacement placer() {
        BilanPlacement bilan;
        reunirCouples();
        if (couples_.empty()) return bilan;
        numeroter();
        placerInitialement();
        choisirVoisines();
        for (int passe = 1; passe <= r_.passesMax; ++passe) {
            bilan.passes = passe;
            if (!relaxer()) {
                bilan.stable = true;
                break;
            }
        }
        bilan.reprises = passeFinale();
        return bilan;
    }

private:
    // --- Couples et leur arbre -----------------------------------------------------------------
    void reunirCouples() {
        for (int r = 0; r < rangees_.nombreRangees(); ++r)
            for (NoeudDescendant* b = rangees_.premier(r); b; b = b->suivant) {
                if (!b->conjoint || couples_.empty() || couples_.back().tete != b->partenaire)
                    couples_.push_back({b, b, kAucun, {}, {}});
                couples_.back().dernier = b;
                b->couple = static_cast<std::uint32_t>(couples_.size() - 1);
            }
        for (Couple& c : couples_) {
            if (c.tete->parent) c.parent = c.tete->parent->couple;
            for (NoeudDescendant* b = c.tete;; b = b->suivant) {
                if (b->aEnfants()) c.familles.push_back({b, b->premierEnfant->couple, b->dernierEnfant->couple + 1});
                if (b == c.dernier) break;
            }
        }
    }

    template <class Action>
    void pourChaqueEnfant(const Couple& c, Action&& action) {
        for (const FamilleCouple& f : c.familles)
            for (std::uint32_t e = f.debut; e < f.fin; ++e) action(e);
    }

    // Numéros de parcours en profondeur (préordre) et ordre « descendants d'abord ».
    void numeroter() {
        std::vector<std::uint32_t> entree(couples_.size()), sortie(couples_.size());
        std::uint32_t compteur = 0;
        struct Etape {
            std::uint32_t couple;
            bool fini;
        };
        std::vector<Etape> pile;
        for (std::uint32_t i = static_cast<std::uint32_t>(couples_.size()); i-- > 0;)
            if (couples_[i].parent == kAucun) pile.push_back({i, false});
        while (!pile.empty()) {
            Etape e = pile.back();
            pile.pop_back();
            if (e.fini) {
                sortie[e.couple] = compteur - 1;
                apresDescendants_.push_back(e.couple);
                continue;
            }
            entree[e.couple] = compteur++;
            prefixe_.push_back(e.couple);
            pile.push_back({e.couple, true});
            std::vector<std::uint32_t> enfants;
            pourChaqueEnfant(couples_[e.couple], [&](std::uint32_t k) { enfants.push_back(k); });
            for (auto it = enfants.rbegin(); it != enfants.rend(); ++it) pile.push_back({*it, false});
        }
        for (std::uint32_t i = 0; i < couples_.size(); ++i)
            for (NoeudDescendant* b = couples_[i].tete;; b = b->suivant) {
                b->entree = entree[i];
                b->sortie = sortie[i];
                if (b == couples_[i].dernier) break;
            }
    }

    static bool dansDescendance(const NoeudDescendant& couple, const NoeudDescendant& b) {
        return b.entree >= couple.entree && b.entree <= couple.sortie;
    }

    // --- Placement initial et voisines -------------------------------------------------------
    void placerInitialement() {
        for (int r = 0; r < rangees_.nombreRangees(); ++r)
            for (NoeudDescendant* b = rangees_.premier(r); b; b = b->suivant)
                b->x = b->precedent ? b->precedent->droite() + ecartAvant(*b) : 0;
    }

    std::int32_t ecartAvant(const NoeudDescendant& b) const {
        return b.conjoint ? b.largeurMariage + kEcartMariage : ecart_;
    }

    void choisirVoisines() {
        if (!r_.chronologique) {
            for (Couple& c : couples_)
                if (c.tete->precedent) c.voisines.push_back({c.tete, c.tete->precedent});
            return;
        }
        preparerTranches();
        // Dans l'ordre de l'arbre, la dernière boîte vue à une hauteur, hors des ancêtres, est
        // la plus proche à gauche à cette hauteur : chaque tranche garde les dernières vues.
        // Les conjoints d'un couple restent à droite de sa descendance (degagerConjoints) : ils
        // redeviennent les derniers vus à leur hauteur quand elle est finie.
        std::vector<std::array<const NoeudDescendant*, kRecentesParTranche>> recentes(horizon_.size());
        auto voir = [&](const NoeudDescendant& b) {
            auto [debut, fin] = tranches(b);
            for (std::size_t t = debut; t <= fin; ++t) {
                auto& r = recentes[t];
                std::move_backward(r.begin(), r.end() - 1, r.end());
                r[0] = &b;
            }
        };
        std::vector<std::uint32_t> ouverts;
        for (std::uint32_t i : prefixe_) {
            Couple& c = couples_[i];
            while (!ouverts.empty() && couples_[ouverts.back()].tete->sortie < c.tete->entree) {
                const Couple& fini = couples_[ouverts.back()];
                ouverts.pop_back();
                for (const NoeudDescendant* b = fini.tete->suivant; b && b->partenaire == fini.tete; b = b->suivant)
                    voir(*b);
            }
            for (const NoeudDescendant* b = c.tete;; b = b->suivant) {
                retenirVoisines(c, *b, recentes);
                if (b == c.dernier) break;
            }
            for (const NoeudDescendant* b = c.tete;; b = b->suivant) {
                voir(*b);
                if (b == c.dernier) break;
            }
            ouverts.push_back(i);
        }
    }

    void retenirVoisines(Couple& c, const NoeudDescendant& b,
                         const std::vector<std::array<const NoeudDescendant*, kRecentesParTranche>>& recentes) const {
        const std::size_t avant = c.voisines.size();
        auto [debut, fin] = tranches(b);
        for (std::size_t t = debut; t <= fin; ++t)
            for (const NoeudDescendant* v : recentes[t]) {
                if (!v) break;
                if (dansDescendance(*v, b)) continue;  // un ancêtre
                bool deja = false;
                for (std::size_t k = avant; k < c.voisines.size() && !deja; ++k) deja = c.voisines[k].voisine == v;
                if (!deja) c.voisines.push_back({&b, v});
                break;
            }
    }

    // --- Déplacements ---------------------------------------------------------------------------
    void decalerCouple(const Couple& c, std::int32_t dx) {
        for (NoeudDescendant* b = c.tete;; b = b->suivant) {
            b->x += dx;
            if (b == c.dernier) break;
        }
    }

    void decalerDescendance(std::uint32_t i, std::int32_t dx) {
        pile_.assign(1, i);
        while (!pile_.empty()) {
            const Couple& c = couples_[pile_.back()];
            pile_.pop_back();
            decalerCouple(c, dx);
            pourChaqueEnfant(c, [&](std::uint32_t k) { pile_.push_back(k); });
        }
    }

    // Ce qui manque aux boîtes du couple pour être à 45 × s de leurs voisines hors de bornes.
    std::int32_t manque(const Couple& c, const NoeudDescendant& bornes) const {
        std::int32_t d = 0;
        for (const Contrainte& k : c.voisines)
            if (!dansDescendance(bornes, *k.voisine)) d = std::max(d, k.voisine->droite() + ecart_ - k.boite->x);
        return d;
    }

    // Ce qui manque à toute la descendance du couple i face à ce qui est hors d'elle.
    std::int32_t manqueDescendance(std::uint32_t i) {
        const NoeudDescendant& bornes = *couples_[i].tete;
        std::int32_t d = 0;
        pile_.assign(1, i);
        while (!pile_.empty()) {
            const Couple& c = couples_[pile_.back()];
            pile_.pop_back();
            d = std::max(d, manque(c, bornes));
            pourChaqueEnfant(c, [&](std::uint32_t k) { pile_.push_back(k); });
        }
        return d;
    }

    // --- Relaxation ------------------------------------------------------------------------------
    bool relaxer() {
        bool bouge = false;
        for (std::uint32_t i : apresDescendants_) {
            const Couple& c = couples_[i];
            // Sa descendance est déjà à l'écart de sa gauche : le couple avance seul, et le
            // recentrage décide ensuite si ses enfants le suivent.
            const std::int32_t d = manque(c, *c.tete);
            if (d > 0) decalerCouple(c, d);
            if (d > 1) bouge = true;
            if (r_.chronologique && degagerConjoints(c)) bouge = true;
            if (!c.familles.empty() && recentrer(c)) bouge = true;
        }
        return bouge;
    }

    // Arbre chronologique : un conjoint plus jeune que les descendants des familles qui le
    // précèdent dans son couple (une seconde épouse) s'écarte d'eux vers la droite, avec les
    // boîtes qui le suivent ; ses propres enfants le suivront au recentrage.
    bool degagerConjoints(const Couple& c) {
        bool compte = false;
        std::size_t famille = 0;
        for (NoeudDescendant* w = c.tete->suivant; w && w->conjoint && w->partenaire == c.tete; w = w->suivant) {
            while (famille < c.familles.size() && c.familles[famille].porteur != w &&
                   c.familles[famille].porteur->x < w->x)
                ++famille;
            if (famille == 0) continue;
            std::int32_t d = 0;
            for (std::uint32_t k = c.familles.front().debut; k < c.familles[famille - 1].fin; ++k)
                d = std::max(d, empietement(k, *w));
            if (d <= 0) continue;
            for (NoeudDescendant* b = w;; b = b->suivant) {
                b->x += d;
                if (b == c.dernier) break;
            }
            compte = compte || d > 1;
        }
        return compte;
    }

    // De combien la descendance du couple k déborde, à la hauteur de w, sur sa gauche.
    std::int32_t empietement(std::uint32_t k, const NoeudDescendant& w) {
        std::int32_t d = 0;
        pile_.assign(1, k);
        while (!pile_.empty()) {
            const Couple& c = couples_[pile_.back()];
            pile_.pop_back();
            for (NoeudDescendant* b = c.tete;; b = b->suivant) {
                if (hautVoisinage(*b) < basVoisinage(w) && hautVoisinage(w) < basVoisinage(*b))
                    d = std::max(d, b->droite() + ecart_ - w.x);
                if (b == c.dernier) break;
            }
            pourChaqueEnfant(c, [&](std::uint32_t e) { pile_.push_back(e); });
        }
        return d;
    }

    static std::int32_t centreBloc(const FamilleCouple& f) {
        return (f.porteur->premierEnfant->centre() + f.porteur->dernierEnfant->centre()) / 2;
    }

    bool recentrer(const Couple& c) {
        bool compte = false;
        std::vector<std::int32_t> excedent(c.familles.size());
        for (int tour = 0; tour < kRecentragesMax; ++tour) {
            for (std::size_t i = 0; i < c.familles.size(); ++i)
                excedent[i] = centreBloc(c.familles[i]) - ancreFamille(*c.familles[i].porteur);
            bool change = false;
            // Tous les blocs à droite de leurs ancres : le couple avance du plus petit écart, et
            // aucun bloc ne se retrouve à gauche de la sienne.
            const std::int32_t avance = *std::min_element(excedent.begin(), excedent.end());
            if (avance > 0) {
                decalerCouple(c, avance);
                for (std::int32_t& e : excedent) e -= avance;
                compte = compte || avance >= kCorrectionComptee;
                change = true;
            }
            std::size_t premierAvance = c.familles.size();
            for (std::size_t i = 0; i < c.familles.size(); ++i) {
                const FamilleCouple& f = c.familles[i];
                const std::int32_t dx = -excedent[i];
                if (dx <= 0 || (f.fin - f.debut > 1 && dx < kCorrectionBloc)) continue;
                for (std::uint32_t k = f.debut; k < f.fin; ++k) decalerDescendance(k, dx);
                compte = compte || dx >= kCorrectionComptee;
                premierAvance = std::min(premierAvance, i);
                change = true;
            }
            if (premierAvance < c.familles.size() && aligner(c, premierAvance)) compte = true;
            if (!change) break;
        }
        return compte;
    }

    // Écarte, avec leur descendance, les enfants qui suivent le bloc avancé de tout ce qui est à
    // leur gauche ; vrai quand un déplacement compte.
    bool aligner(const Couple& c, std::size_t avance) {
        bool compte = false;
        for (std::size_t i = avance; i < c.familles.size(); ++i) {
            const FamilleCouple& f = c.familles[i];
            for (std::uint32_t k = f.debut; k < f.fin; ++k) {
                if (i == avance && k == f.debut) continue;  // le bloc avancé s'éloigne de sa gauche
                const std::int32_t d = manqueDescendance(k);
                if (d <= 0) continue;
                decalerDescendance(k, d);
                compte = compte || d > 1;
            }
        }
        return compte;
    }

    // --- Passe finale ----------------------------------------------------------------------------
    // Les couples, par x croissant, sont poussés à droite de la ligne d'horizon de ceux déjà
    // traités, qui tient par tranches de hauteur le bord droit le plus avancé.
    void preparerTranches() {
        std::int32_t haut = std::numeric_limits<std::int32_t>::max(), bas = std::numeric_limits<std::int32_t>::min();
        for (const Couple& c : couples_)
            for (NoeudDescendant* b = c.tete;; b = b->suivant) {
                haut = std::min(haut, hautVoisinage(*b));
                bas = std::max(bas, basVoisinage(*b));
                if (b == c.dernier) break;
            }
        horizon_.assign(static_cast<std::size_t>((std::int64_t{bas} - haut) / kCellule + 2),
                        std::numeric_limits<std::int32_t>::min());
        haut_ = haut;
    }

    // Les boîtes, par x croissant, sont poussées à droite de la ligne d'horizon de celles déjà
    // traitées, qui tient par tranches de hauteur le bord droit le plus avancé ; un conjoint
    // garde au moins son écart de mariage.
    std::size_t passeFinale() {
        preparerTranches();
        std::vector<NoeudDescendant*> boites = rangees_.boites();
        std::stable_sort(boites.begin(), boites.end(),
                         [](const NoeudDescendant* a, const NoeudDescendant* b) { return a->x < b->x; });
        std::size_t reprises = 0;
        for (NoeudDescendant* b : boites) {
            std::int32_t x = b->x;
            const std::int32_t droite = plusADroite(*b);
            if (droite != std::numeric_limits<std::int32_t>::min()) x = std::max(x, droite + ecart_);
            if (b->conjoint && b->precedent) x = std::max(x, b->precedent->droite() + ecartAvant(*b));
            if (x > b->x) {
                b->x = x;
                ++reprises;
            }
            marquerHorizon(*b);
        }
        return reprises;
    }

    // Tranches de la boîte, resserrées d'une demi-tranche à chaque bout : deux boîtes dont les
    // hauteurs se touchent seulement ne se gênent pas.
    std::pair<std::size_t, std::size_t> tranches(const NoeudDescendant& b) const {
        const std::int64_t h = std::int64_t{hautVoisinage(b)} - haut_ + kCellule / 2;
        const std::int64_t l = std::int64_t{basVoisinage(b)} - haut_ - kCellule / 2;
        return {static_cast<std::size_t>(h / kCellule), static_cast<std::size_t>(l / kCellule)};
    }

    std::int32_t plusADroite(const NoeudDescendant& b) const {
        auto [debut, fin] = tranches(b);
        std::int32_t m = std::numeric_limits<std::int32_t>::min();
        for (std::size_t t = debut; t <= fin; ++t) m = std::max(m, horizon_[t]);
        return m;
    }

    void marquerHorizon(const NoeudDescendant& b) {
        auto [debut, fin] = tranches(b);
        for (std::size_t t = debut; t <= fin; ++t) horizon_[t] = std::max(horizon_[t], b.droite());
    }

    RangeesDeBoites<NoeudDescendant>& rangees_;
    const ReglesPlacementDescendant& r_;
    const std::int32_t ecart_;
    std::vector<Couple> couples_;
    std::vector<std::uint32_t> prefixe_, apresDescendants_;
    std::vector<std::uint32_t> pile_;
    std::vector<std::int32_t> horizon_;
    std::int32_t haut_ = 0;
};

}  // namespace

std::int32_t ancreFamille(const NoeudDescendant& porteur) {
    if (porteur.conjoint) return porteur.x - porteur.largeurMariage / 2 - kEcartMariage / 2;
    return porteur.centre();
}

BilanPlacement placerDescendance(RangeesDeBoites<NoeudDescendant>& rangees, const ReglesPlacementDescendant& regles) {
    return Placement(rangees, regles).placer();
}

}  // namespace lignara
