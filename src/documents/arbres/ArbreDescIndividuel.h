#pragma once
// Descendants d'une personne : la première rangée est la racine suivie de ses conjoints, comme
// pour toute personne de l'arbre (arbre descendant, arbre mixte individuel).
#include <cstdint>

#include "documents/arbres/ArbreDescendant.h"

namespace lignara {

class ArbreDescIndividuel : public ArbreDescendant {
public:
    ArbreDescIndividuel(const ReglesDescendance& regles, std::uint32_t racine)
        : ArbreDescendant(regles), racine_(racine) {}

protected:
    void creerRacine() override;

private:
    std::uint32_t racine_;
};

}  // namespace lignara
