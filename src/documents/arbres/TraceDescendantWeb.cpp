#include "documents/arbres/TraceDescendantWeb.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "documents/arbres/BoitesWeb.h"

namespace lignara {

namespace {

std::string ancreFamille(std::uint32_t premierEnfant) { return "f" + std::to_string(premierEnfant); }

void mariage(RedacteurBlocsWeb& blocs, const MetriquePolice& police, const NoeudDescendant& n) {
    const NoeudDescendant& g = *n.precedent;
    const std::int32_t m = (g.y + n.y) / 2;
    // Derrière un autre conjoint, le texte se range contre la boîte, comme en PDF.
    const std::int32_t centre = g.conjoint ? n.x - n.largeurMariage / 2 - 240 : (g.droite() + n.x) / 2;
    blocs.traitHorizontal(g.droite(), n.x, m - 117);
    blocs.traitVertical(g.droite(), std::min(g.y, m) - 117, std::max(g.y, m) - 117);
    blocs.traitVertical(n.x, std::min(n.y, m) - 117, std::max(n.y, m) - 117);
    ecrireTexteMariageWeb(blocs, police, n, centre, m);
}

void enfants(RedacteurBlocsWeb& blocs, const NoeudDescendant& f, std::int32_t x, std::int32_t y,
             const TraceDescendant& t) {
    const std::int32_t b = t.y(f.barre);
    const NoeudDescendant& premier = *f.premierEnfant;
    const NoeudDescendant& dernier = *f.dernierEnfant;
    if (&premier == &dernier && std::abs(premier.centre() - x) <= 1) {
        blocs.traitVertical(x, premier.y, y);
        return;
    }
    blocs.traitVertical(x, b, y);
    blocs.traitHorizontal(std::min(premier.centre(), x), std::max(dernier.centre(), x), b);
    for (const NoeudDescendant* e = &premier;; e = e->suivant) {
        if (!e->conjoint) blocs.traitVertical(e->centre(), e->y, b);
        if (e == &dernier) break;
    }
}

void raccords(RedacteurBlocsWeb& blocs, const MetriquePolice& police, const NoeudDescendant& n,
              const TraceDescendant& t) {
    if (n.conjoint && n.precedent) mariage(blocs, police, n);
    if (!n.familleNonDessinee && !n.aEnfants()) return;
    const ArbreDescendant::Point depart = ArbreDescendant::departFamille(n, false);
    const std::int32_t x = depart.x, y = t.y(depart.position);
    if (n.familleNonDessinee) {
        if (t.dessinees->contient(n.familleNonDessinee))
            blocs.renvoi(x, y, ancreFamille(n.familleNonDessinee), "&or;<br>&or;");
        else
            blocs.traitVertical(x, y - 240, y);
    }
    if (n.aEnfants()) enfants(blocs, n, x, y, t);
}

}  // namespace

void ecrireDescendantsWeb(RedacteurBlocsWeb& blocs, const ArbreDescendant& arbre, const TraceDescendant& t,
                          const MetriquePolice& police, int premiereRangee) {
    const ArbreDescendant::Rangees& rangees = arbre.rangees();
    for (int r = premiereRangee; r < rangees.nombreRangees(); ++r)
        for (const NoeudDescendant* n = rangees.premier(r); n; n = n->suivant) raccords(blocs, police, *n, t);
    EnsemblePersonnes locales(t.ancrees ? 0 : arbre.repetees().nombrePersonnes());
    EnsemblePersonnes& ancrees = t.ancrees ? *t.ancrees : locales;
    for (int r = premiereRangee; r < rangees.nombreRangees(); ++r)
        for (const NoeudDescendant* n = rangees.premier(r); n; n = n->suivant) {
            if (t.dejaDessinee(n)) continue;
            const bool premiere = !ancrees.contient(n->personne);
            if (premiere) ancrees.ajouter(n->personne);
            BoiteWeb b = boiteWeb(*n, *t.style, premiere ? "p" + std::to_string(n->personne) : std::string());
            // La personne porte les ancres des familles de son couple vers lesquelles on renvoie.
            if (!n->conjoint)
                for (const NoeudDescendant* c = n; c && (c == n || c->conjoint); c = c->suivant)
                    for (const NoeudDescendant::FamilleDessinee& f : c->familles)
                        if (c->aEnfants() && t.renvoyees->contient(f.premierEnfant))
                            b.autresAncres.push_back(ancreFamille(f.premierEnfant));
            blocs.boite(b);
        }
}

}  // namespace lignara
