#pragma once
// Une branche d'arbre de cousins : les descendants d'un couple d'ascendants de la racine, sauf
// l'enfant qui mène à la racine (dessiné dans la colonne des ascendants). La branche partage
// avec les autres l'ensemble des familles dessinées, pour qu'une famille de cousins mariés
// entre eux ne paraisse que dans la première branche qui l'atteint ; toutes ses boîtes portent
// la couleur de la branche (critère « Branche cousine »), donnée dans les règles.
#include <cstdint>
#include <span>

#include "documents/arbres/ArbreDescendant.h"

namespace lignara {

class ArbreDescCousins : public ArbreDescendant {
public:
    // mari ou femme peut manquer (0) ; fiche : la famille du couple (chaîne du mari, ou du seul
    // membre connu) ; enfantsExclus : les enfants des lignées de la racine, aucun pour le couple
    // racine.
    ArbreDescCousins(const ReglesDescendance& regles, std::uint32_t mari, std::uint32_t femme, std::uint32_t fiche,
                     std::span<const std::uint32_t> enfantsExclus, EnsemblePersonnes& famillesDessinees)
        : ArbreDescendant(regles), mari_(mari), femme_(femme), fiche_(fiche) {
        for (std::uint32_t e : enfantsExclus) exclureEnfant(e);
        partagerFamillesDessinees(famillesDessinees);
    }

protected:
    void creerRacine() override;

private:
    std::uint32_t mari_, femme_, fiche_;
};

}  // namespace lignara
