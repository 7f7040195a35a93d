#include "documents/arbres/TraceDescendant.h"

#include <algorithm>
#include <cstdlib>

#include "render/EtatTrace.h"

namespace lignara {

namespace {

void tiretsVerticaux(SurfacePdf& surface, std::int32_t x, std::int32_t bas, std::int32_t haut) {
    EtatTrace& e = surface.etat();
    const std::uint8_t avant = e.pointilles;
    e.pointilles = 1;
    surface.ligneVerticale(x, bas, haut);
    e.pointilles = avant;
}

void vertical(SurfacePdf& surface, std::int32_t x, std::int32_t y1, std::int32_t y2) {
    surface.ligneVerticale(x, std::min(y1, y2), std::max(y1, y2));
}

// Deux chevrons pointés vers le bas sous (x, y), liés au dessin de la famille.
void chevronsVersLeBas(SurfacePdf& surface, std::int32_t x, std::int32_t y, std::int32_t famille) {
    for (std::int32_t haut : {120, 200}) {
        surface.ligne(x - 60, y - haut, x, y - haut - 120);
        surface.ligne(x, y - haut - 120, x + 60, y - haut);
    }
    surface.ajouterLien(famille, x - 82, y - 320, x + 82, y);
}

void raccordsEnfants(SurfacePdf& surface, const NoeudDescendant& f, std::int32_t x, std::int32_t y,
                     const TraceDescendant& t) {
    const std::int32_t b = t.y(f.barre);
    const NoeudDescendant& premier = *f.premierEnfant;
    const NoeudDescendant& dernier = *f.dernierEnfant;
    if (&premier == &dernier && std::abs(premier.centre() - x) <= 1) {
        vertical(surface, x, y, premier.y);
        return;
    }
    vertical(surface, x, y, b);
    surface.ligneHorizontale(std::min(premier.centre(), x), b, std::max(dernier.centre(), x));
    for (const NoeudDescendant* e = &premier;; e = e->suivant) {
        if (!e->conjoint) vertical(surface, e->centre(), b, e->y);
        if (e == &dernier) break;
    }
}

void raccords(SurfacePdf& surface, const NoeudDescendant& n, const TraceDescendant& t) {
    if (n.conjoint && n.precedent) {
        const NoeudDescendant& g = *n.precedent;
        raccordMariage(surface, n, g.droite(), g.y, n.x, n.y, g.conjoint ? kMariageTiretsPlein : kMariagePlein);
    }
    if (!n.familleNonDessinee && !n.aEnfants()) return;
    const ArbreDescendant::Point depart = ArbreDescendant::departFamille(n, t.theme0());
    const std::int32_t x = depart.x, y = t.y(depart.position);
    if (n.familleNonDessinee) {
        if (t.dessinees->contient(n.familleNonDessinee))
            chevronsVersLeBas(surface, x, y, static_cast<std::int32_t>(n.familleNonDessinee));
        else
            tiretsVerticaux(surface, x, y - 240, y);
    }
    if (n.aEnfants()) raccordsEnfants(surface, n, x, y, t);
}

}  // namespace

EnsemblePersonnes famillesRenvoyees(const ArbreDescendant& arbre) {
    const EnsemblePersonnes& dessinees = arbre.famillesDessinees();
    EnsemblePersonnes renvoyees(dessinees.nombrePersonnes());
    for (const NoeudDescendant* n : arbre.rangees().boites())
        if (n->familleNonDessinee && dessinees.contient(n->familleNonDessinee))
            renvoyees.ajouter(n->familleNonDessinee);
    return renvoyees;
}

void dessinerRangeeDescendante(SurfacePdf& surface, const NoeudDescendant* premier, const TraceDescendant& t) {
    for (const NoeudDescendant* n = premier; n; n = n->suivant) raccords(surface, *n, t);
    for (const NoeudDescendant* n = premier; n; n = n->suivant) {
        if (!t.dejaDessinee(n)) dessinerBoite(surface, *n, *t.style);
        for (const NoeudDescendant::FamilleDessinee& f : n->familles)
            if (n->aEnfants() && t.renvoyees->contient(f.premierEnfant))
                surface.ajouterCible(static_cast<std::int32_t>(f.premierEnfant), n->tete().x, n->tete().y);
    }
}

}  // namespace lignara
