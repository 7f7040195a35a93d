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

    // La page est la boîte de ce qui est dessiné : le disque central et l'éventail, qui fait
    // le tour entier avec le cercle complet.
    const std::int32_t centre = roue::cercleDescendant(1);
    roue::BoiteRoue boite{-centre, -centre, centre, centre};
    boite.ajouter(boiteEventail());
    mettreEnPage(boite);
    placerSignature({roue::cercleDescendant(allocation_->anneauxPlaces() + 1)});
}

}  // namespace lignara
