#include "documents/arbres/PlacementArbre.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace lignara {

namespace {

constexpr std::int64_t kSansEcart = std::numeric_limits<std::int64_t>::max();
// Une boîte ne cherche ses voisines que parmi les dernières parcourues : au-delà, elles sont
// loin à gauche et ne peuvent plus la gêner.
constexpr std::size_t kRechercheVoisinesMax = 5000;

struct Etendue {
    NoeudAscendant* boite;
    std::int32_t bas, haut;
};

class Placement {
public:
    Placement(ArbreDeBoites& arbre, const ReglesPlacement& r) : arbre_(arbre), r_(r) {}

    void placer() {
        NoeudAscendant* racine = arbre_.racine;
        if (!racine) return;
        if (r_.chronologique) {
            if (r_.parCouple)
                voisinesCouples(*racine);
            else
                voisinesClassiques(*racine);
        } else {
            for (NoeudAscendant* n : arbre_.boites()) {
                n->nombreVoisins = n->precedent ? 1 : 0;
                n->voisins[0] = n->precedent;
            }
        }
        if (r_.parCouple) {
            placerCouple(*racine);
            if (!racine->invisible) placerSeul(*racine);
        } else {
            placerClassique(*racine);
        }
        if (r_.chronologique) reparer();
        arbre_.largeur = 0;
        arbre_.hauteur = 0;
        for (NoeudAscendant* n : arbre_.boites()) {
            arbre_.largeur = std::max(arbre_.largeur, n->droite());
            arbre_.hauteur = std::max(arbre_.hauteur, n->etendue);
        }
    }

private:
    // --- Voisines de gauche d'un arbre chronologique -----------------------------------------
    void retenir(NoeudAscendant& b, std::int32_t bas, std::int32_t haut) {
        b.nombreVoisins = 0;
        std::size_t vus = 0;
        for (auto it = parcourues_.rbegin(); it != parcourues_.rend() && vus < kRechercheVoisinesMax; ++it, ++vus) {
            if (b.nombreVoisins == NoeudAscendant::kVoisinsMax) break;
            NoeudAscendant* v = it->boite;
            if (v == b.enfant || v == b.pere || v == b.mere) continue;
            if (it->haut < bas || it->bas > haut) continue;
            b.voisins[b.nombreVoisins++] = v;
        }
        parcourues_.push_back({&b, bas, haut});
    }

    static std::int32_t hautEnfant(const NoeudAscendant& b) {
        return b.enfant && !b.enfant->invisible ? b.enfant->y : std::numeric_limits<std::int32_t>::max() / 2;
    }

    void voisinesClassiques(NoeudAscendant& b) {
        if (b.pere) voisinesClassiques(*b.pere);
        if (!b.invisible) retenir(b, std::min(b.y - 928, hautEnfant(b) + 263), b.y + 265);
        if (b.mere) voisinesClassiques(*b.mere);
    }

    void retenirDansCouple(NoeudAscendant* b) {
        if (!b) return;
        std::int32_t bas = b->enfant && !b->enfant->invisible ? b->enfant->y + 264 : b->bas();
        std::int32_t haut = b->y + 265;
        if (b->aParents()) {
            haut = std::numeric_limits<std::int32_t>::max();
            for (const NoeudAscendant* p : {b->pere, b->mere})
                if (p) haut = std::min(haut, p->y - 976);
        }
        retenir(*b, std::min(bas, b->bas()), std::max(haut, b->y + 265));
    }

    void voisinesCouples(NoeudAscendant& b) {
        if (!b.enfant && !b.invisible) retenirDansCouple(&b);
        if (b.pere) voisinesCouples(*b.pere);
        retenirDansCouple(b.pere);
        retenirDansCouple(b.mere);
        if (b.mere) voisinesCouples(*b.mere);
    }

    // Arbre chronologique : une voisine peut avoir été placée après la boîte (un époux se place
    // après les parents de l'autre, un enfant après les ascendants de ses deux côtés) puis
    // déplacée. Un passage de gauche à droite, dans l'ordre où les voisines ont été choisies,
    // pousse à droite chaque boîte trop proche d'une voisine. La boîte part seule : pousser avec
    // elle tous ses ascendants, déjà vus par le passage, repoussait en chaîne leurs voisines et
    // l'arbre de Victoria s'étendait sur des dizaines de mètres.
    void reparer() {
        for (const Etendue& e : parcourues_) {
            NoeudAscendant& b = *e.boite;
            std::int32_t manque = 0;
            for (std::uint8_t i = 0; i < b.nombreVoisins; ++i) {
                const NoeudAscendant* v = b.voisins[i];
                manque = std::max(manque, v->x + v->largeur + 45 * r_.espace - b.x);
            }
            if (manque <= 0) continue;
            pousser(b, manque);
            // Par couple, les époux vont ensemble : pousser l'un seul réduirait l'écart qui porte
            // le texte de mariage (un couple répété se retrouvait à 22 points au lieu de 77).
            if (r_.parCouple && b.enfant && b.enfant->pere && b.enfant->mere)
                pousser(b.enfant->pere == &b ? *b.enfant->mere : *b.enfant->pere, manque);
        }
    }

    // Pousse la boîte seule ; un parent qu'elle viendrait couvrir (dates estimées proches) est
    // écarté avec ses ascendants.
    void pousser(NoeudAscendant& b, std::int32_t dx) const {
        b.x += dx;
        for (NoeudAscendant* p : {b.pere, b.mere}) {
            if (!p) continue;
            const bool memesHauteurs = p->bas() < b.y && b.bas() < p->y;
            const std::int32_t recouvre = b.droite() + 45 * r_.espace - p->x;
            if (memesHauteurs && b.x < p->droite() && recouvre > 0) decalerSousArbre(*p, recouvre);
        }
    }

    // --- Placement commun ----------------------------------------------------------------------
    // Plus petit écart libre à gauche des boîtes rencontrées en montant depuis n (père, sinon
    // mère, sinon boîte suivante de la rangée), aux niveaux qui ne dépassent pas limite.
    static std::int64_t plusPetitEcart(const NoeudAscendant* n, std::int32_t limite) {
        std::int64_t ecart = kSansEcart;
        for (; n && n->y <= limite; n = n->pere ? n->pere : n->mere ? n->mere : n->suivant) {
            std::int64_t e = n->x;
            for (std::uint8_t i = 0; i < n->nombreVoisins; ++i) {
                const NoeudAscendant* v = n->voisins[i];
                e = std::min<std::int64_t>(e, std::int64_t{n->x} - v->largeur - v->x);
            }
            ecart = std::min(ecart, e);
        }
        return ecart;
    }

    // Arbre chronologique : les niveaux ne s'alignent plus et le chemin de plusPetitEcart peut
    // passer à côté d'une boîte qui descend jusqu'au sous-arbre à rapprocher. On mesure donc
    // l'écart de toutes les boîtes du sous-arbre dont le bas ne dépasse pas la limite.
    static std::int64_t plusPetitEcartSousArbre(const NoeudAscendant* n, std::int32_t limite) {
        if (!n) return kSansEcart;
        std::int64_t ecart = kSansEcart;
        if (n->bas() - 265 <= limite) {
            ecart = n->x;
            for (std::uint8_t i = 0; i < n->nombreVoisins; ++i) {
                const NoeudAscendant* v = n->voisins[i];
                ecart = std::min<std::int64_t>(ecart, std::int64_t{n->x} - v->largeur - v->x);
            }
        }
        return std::min({ecart, plusPetitEcartSousArbre(n->pere, limite), plusPetitEcartSousArbre(n->mere, limite)});
    }

    // Écart libre à gauche du côté droit (mere), face au côté gauche qui monte jusqu'à limite.
    std::int64_t ecartDuCoteDroit(const NoeudAscendant& gauche, const NoeudAscendant& droit,
                                  std::int32_t limite) const {
        if (r_.chronologique) return plusPetitEcartSousArbre(&droit, limite);
        return plusPetitEcart(gauche.suivant, limite);
    }

    void respecterVoisines(NoeudAscendant& b) const {
        for (std::uint8_t i = 0; i < b.nombreVoisins; ++i) {
            const NoeudAscendant* v = b.voisins[i];
            b.x = std::max(b.x, v->x + v->largeur + 45 * r_.espace);
        }
    }

    static void decalerParents(NoeudAscendant& b, std::int32_t dx) {
        if (b.pere) decalerSousArbre(*b.pere, dx);
        if (b.mere) decalerSousArbre(*b.mere, dx);
    }

    // Centre la boîte sur la cible, ou pousse ses parents quand elle ne peut pas reculer.
    static void centrerSur(NoeudAscendant& b, std::int32_t centre) {
        std::int32_t cible = centre - b.largeur / 2;
        if (cible < b.x)
            decalerParents(b, b.x - cible);
        else
            b.x = cible;
    }

    // --- Style classique -----------------------------------------------------------------------
    void placerClassique(NoeudAscendant& b) {
        if (b.pere) placerClassique(*b.pere);
        if (b.mere) placerClassique(*b.mere);
        if (b.pere && b.mere && b.pere->etendue < b.mere->etendue) {
            std::int64_t ecart = ecartDuCoteDroit(*b.pere, *b.mere, b.pere->etendue);
            std::int64_t voulu = 135 * std::int64_t{r_.espace};
            if (ecart != kSansEcart && ecart > voulu)
                decalerSousArbre(*b.pere, static_cast<std::int32_t>(ecart - voulu));
        }
        respecterVoisines(b);
        if (b.pere && b.mere)
            centrerSur(b, (b.pere->centre() + b.mere->centre()) / 2);
        else if (b.aParents())
            centrerSur(b, (b.pere ? b.pere : b.mere)->centre());
    }

    // --- Style par couple d'ascendants ---------------------------------------------------------
    void placerSeul(NoeudAscendant& b) {
        respecterVoisines(b);
        std::int32_t ancre = 0;
        if (ancreDesParents(b, ancre)) centrerSur(b, ancre);
    }

    // Place le couple des parents de b, et tout ce qui est au-dessus.
    void placerCouple(NoeudAscendant& b) {
        NoeudAscendant* h = b.pere;
        NoeudAscendant* f = b.mere;
        if (h) placerCouple(*h);
        if (f) placerCouple(*f);
        if (!h || !f) {
            if (h || f) placerSeul(h ? *h : *f);
            return;
        }
        if (h->aParents() && f->aParents()) rapprocher(*h, *f);
        respecterVoisines(*h);
        respecterVoisines(*f);
        const std::int32_t t = f->largeurMariage;
        const std::int32_t voulu = h->droite() + t + kEcartMariage;
        if (voulu >= f->x)
            f->x = voulu;
        else
            h->x = f->x - t - kEcartMariage - h->largeur;
        centrerCouple(*h, *f);
    }

    // Rapproche les parents du mari de ceux de l'épouse quand un trop grand vide les sépare.
    void rapprocher(NoeudAscendant& h, NoeudAscendant& f) {
        const NoeudAscendant* droitDuMari = h.mere ? h.mere : h.pere;
        std::int32_t limite = std::max(h.etendue, f.etendue);
        std::int64_t ecart = r_.chronologique ? std::min(plusPetitEcartSousArbre(f.pere, limite),
                                                         plusPetitEcartSousArbre(f.mere, limite))
                                              : plusPetitEcart(droitDuMari->suivant, limite);
        std::int64_t voulu = 45 * std::int64_t{r_.espace};
        if (ecart != kSansEcart && ecart > voulu) decalerParents(h, static_cast<std::int32_t>(ecart - voulu));
    }

    static void centrerCouple(NoeudAscendant& h, NoeudAscendant& f) {
        std::int32_t ah = 0, af = 0;
        bool avecH = ancreDesParents(h, ah), avecF = ancreDesParents(f, af);
        if (!avecH && !avecF) return;
        if (!avecH) ah = af;
        if (!avecF) af = ah;
        std::int32_t cible = ah + (af - ah) / 2;
        std::int32_t milieu = f.x - f.largeurMariage / 2 - kEcartMariage / 2;
        std::int32_t dx = cible - milieu;
        if (dx >= 0) {
            h.x += dx;
            f.x += dx;
        } else {
            decalerParents(h, -dx);
            decalerParents(f, -dx);
        }
    }

    ArbreDeBoites& arbre_;
    const ReglesPlacement& r_;
    std::vector<Etendue> parcourues_;
};

}  // namespace

void decalerSousArbre(NoeudAscendant& n, std::int32_t dx) {
    n.x += dx;
    if (n.pere) decalerSousArbre(*n.pere, dx);
    if (n.mere) decalerSousArbre(*n.mere, dx);
}

bool ancreDesParents(const NoeudAscendant& n, std::int32_t& ancre) {
    if (n.pere && n.mere) {
        ancre = n.mere->x - n.mere->largeurMariage / 2 - kEcartMariage / 2;
        return true;
    }
    const NoeudAscendant* seul = n.pere ? n.pere : n.mere;
    if (!seul) return false;
    ancre = seul->centre();
    return true;
}

void placerArbre(ArbreDeBoites& arbre, const ReglesPlacement& regles) { Placement(arbre, regles).placer(); }

}  // namespace lignara
