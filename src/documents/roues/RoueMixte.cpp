#include "documents/roues/RoueMixte.h"

#include <algorithm>

#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/SecteursAscendants.h"
#include "documents/roues/SecteursDescendants.h"

namespace lignara {

bool RoueMixte::avantFeuille(const ContexteDocument& contexte) {
    allouer(contexte, AllocationDescendante::kBudgetRoueMixte, kGenerationsMixteDescendantes);
    return true;
}

int RoueMixte::generationsAscendantes() const { return std::clamp<int>(octet(kGenerationsMixteAscendantes), 2, 8); }

void RoueMixte::preparer(const ContexteDocument& contexte) {
    preparerReglages(contexte);
    allouer(contexte, AllocationDescendante::kBudgetRoueMixte, kGenerationsMixteDescendantes);
    const bool contemporains = octet(kContemporains) != 0;
    allocation_->placer(anneauxDemandes(kGenerationsMixteDescendantes), false);

    const int n = generationsAscendantes();
    const std::vector<AncetreRoue> ancetres = ancetresRoue(contexte, static_cast<std::uint32_t>(racine()), n);
    dessinerRoueAscendante(dessin_, ancetres, {n, true, &polices.reguliere});
    placerCentre(dessin_, roue::rayonCercle(1), ancetres.front(), conjointsRacine(contexte, contemporains),
                 polices.reguliere, polices.italique);

    ReglesRoueDescendante regles;
    regles.contemporains = contemporains;
    regles.disqueCentral = false;
    regles.reguliere = &polices.reguliere;
    regles.italique = &polices.italique;
    dessinerAnneauxDescendants(dessin_, *allocation_, regles, lectureNoms(contexte));
    cadrer();
}

// Boîte englobante du disque central, de la demi-roue et de l'éventail descendant.
void RoueMixte::cadrer() {
    const std::int32_t centre = roue::rayonCercle(1), ra = roue::rayonCercle(generationsAscendantes());
    roue::BoiteRoue boite{-centre, -centre, centre, centre};
    boite.ajouter({-ra, 0, ra, ra});
    boite.ajouter(boiteEventail());
    mettreEnPage(boite);
    const int anneaux = allocation_->anneauxPlaces();
    const std::int32_t rd = anneaux > 0 ? roue::cercleDescendant(anneaux + 1) : 0;
    // La bande, en bas à gauche, ne craint la demi-roue que si elle monte jusqu'au centre.
    if (dessin_.cy > DessinRoue::kHauteurSignature + 45)
        placerSignature({centre, rd});
    else
        placerSignature({centre, rd, ra});
}

}  // namespace lignara
