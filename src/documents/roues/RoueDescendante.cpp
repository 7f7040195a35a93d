#include "documents/roues/RoueDescendante.h"

#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/SecteursAscendants.h"
#include "documents/roues/SecteursDescendants.h"

namespace lignara {

bool RoueDescendante::avantFeuille(const ContexteDocument& contexte) {
    allouer(contexte, AllocationDescendante::kBudgetRoue, kGenerationsRoueDescendante);
    return true;
}

void RoueDescendante::preparer(const ContexteDocument& contexte) {
    preparerReglages(contexte);
    allouer(contexte, AllocationDescendante::kBudgetRoue, kGenerationsRoueDescendante);
    const bool contemporains = octet(kContemporains) != 0;
    allocation_->placer(anneauxDemandes(kGenerationsRoueDescendante), octet(kCercleComplet) != 0);

    const LectureNom noms = lectureNoms(contexte);
    ReglesRoueDescendante regles;
    regles.contemporains = contemporains;
    regles.disqueCentral = true;
    regles.reguliere = &polices.reguliere;
    regles.italique = &polices.italique;
    dessinerAnneauxDescendants(dessin_, *allocation_, regles, noms);
    placerCentre(dessin_, roue::cercleDescendant(1), noms(static_cast<std::uint32_t>(racine())),
                 conjointsRacine(contexte, contemporains), polices.reguliere, polices.italique);

    const std::int32_t r = roue::cercleDescendant(allocation_->anneauxPlaces() + 1);
    dessin_.cx = dessin_.cy = r + 1;
    dessin_.largeur = dessin_.hauteur = 2 * (r + 1);
    largeur = dessin_.largeur;
    hauteur = dessin_.hauteur;
    placerSignature({r});
}

}  // namespace lignara
