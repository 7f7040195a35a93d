#pragma once
// Descendants d'un couple (arbre mixte familial) : la première rangée est le mari puis la femme
// de la famille choisie, dont les enfants sont en attente ; leurs autres familles ne sont pas
// suivies.
#include <cstdint>

#include "documents/arbres/ArbreDescendant.h"

namespace lignara {

class ArbreDescFamilial : public ArbreDescendant {
public:
    // fiche : la fiche Famille du couple dans la chaîne du mari (ou du seul membre connu).
    ArbreDescFamilial(const ReglesDescendance& regles, std::uint32_t mari, std::uint32_t femme, std::uint32_t fiche)
        : ArbreDescendant(regles), mari_(mari), femme_(femme), fiche_(fiche) {}

protected:
    void creerRacine() override;

private:
    std::uint32_t mari_, femme_, fiche_;
};

}  // namespace lignara
