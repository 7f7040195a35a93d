#include "documents/arbres/ArbreDescCousins.h"

#include "database/Parente.h"

namespace lignara {

// Le couple, puis les autres familles du mari (ou du seul membre connu) : leurs enfants sont des
// demi-frères et sœurs de la lignée, donc des cousins eux aussi.
void ArbreDescCousins::creerRacine() {
    creerCouple(mari_, femme_, fiche_);
    NoeudDescendant* tete = rangees().nombreRangees() ? rangees().premier(0) : nullptr;
    if (!tete) return;
    for (const FamilleConjoint& f : Conjoints(*regles_.base, tete->personne)) {
        if (f.fiche == fiche_) continue;
        NoeudDescendant* famille = tete;
        if (f.conjoint) famille = &ajouterConjoint(*tete, f.conjoint, f.mariage);
        deciderFamille(*tete, *famille, f.fiche, f.conjoint, f.premierEnfant);
    }
}

}  // namespace lignara
