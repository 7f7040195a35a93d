#include "documents/arbres/TraceAscendant.h"

namespace lignara {

void dessinerRangeeAscendante(SurfacePdf& surface, const ArbreDeBoites& arbre, int rangee, const TraceAscendant& t) {
    const StyleBoites& style = *t.style;
    for (NoeudAscendant* n = arbre.premier(rangee); n; n = n->suivant) {
        if (n->tronque && arbre.repetees.contient(n->personne))
            dessinerChevrons(surface, *n);
        else if (n->tronque)
            dessinerPointe(surface, *n);
        else if (t.parCouple)
            dessinerRaccordCouple(surface, *n, style);
        else
            dessinerBranches(surface, *n, style);
    }
    const NoeudAscendant* couple = arbre.racine;
    if (rangee == 0 && t.mariageDuCouple && couple && couple->invisible && couple->pere && couple->mere)
        raccordMariage(surface, *couple->mere, couple->pere->droite(), couple->pere->y, couple->mere->x,
                       couple->mere->y, kMariagePlein);
    for (NoeudAscendant* n = arbre.premier(rangee); n; n = n->suivant) {
        dessinerBoite(surface, *n, style);
        if (!n->tronque && arbre.repetees.contient(n->personne))
            surface.ajouterCible(static_cast<std::int32_t>(n->personne), n->x, n->y);
    }
}

}  // namespace lignara
