#pragma once
// Page « Coupes » : les personnes dont la branche est coupée, 50 au plus, dans l'ordre où elles
// ont été ajoutées ; le document les tient en ensemble de bits (paramètre « L »). À l'ouverture
// de la page, l'ensemble redevient une liste par numéro croissant, 50 au plus.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "database/EnsemblePersonnes.h"

namespace lignara {

class ListeCoupes {
public:
    static constexpr std::size_t kNombreMax = 50;
    static constexpr int kGenerationsMax = 99;  // « Couper toutes les branches au-delà de »

    ListeCoupes() = default;
    explicit ListeCoupes(const EnsemblePersonnes& ensemble);

    bool peutAjouter() const { return personnes_.size() < kNombreMax; }  // bouton « Ajouter »
    // Faux quand la liste est pleine, la personne invalide ou déjà coupée.
    bool ajouter(std::int32_t personne);
    // « Supprimer » : retire la ligne et referme le trou ; faux hors de la liste.
    bool supprimer(std::size_t ligne);
    const std::vector<std::uint32_t>& personnes() const { return personnes_; }

    // Ensemble sur nombrePersonnes (vide quand la liste l'est).
    EnsemblePersonnes ensemble(std::uint32_t nombrePersonnes) const;

private:
    std::vector<std::uint32_t> personnes_;
};

}  // namespace lignara
