#include "render/EtatTrace.h"

namespace lignara {

void EtatTrace::reinitialiser(const ReglagesDessin& reglages) {
    static_cast<StyleTrace&>(*this) = StyleTrace{};
    couleurTrait = reglages.couleurTrait;
    couleurRemplissage = reglages.couleurRemplissage;
    couleurTexte = reglages.couleurTexte;
    epaisseurTrait = 0.5f;
    pointilles = 0;
    taillePolice = 10;
    italique = 0;
    profondeur = 0;
}

}  // namespace lignara
