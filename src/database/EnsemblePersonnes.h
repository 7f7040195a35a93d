#pragma once
// Ensemble de personnes : un bit par numéro de personne, le bit n % 8 de l'octet n / 8, sur
// (nombre de personnes / 8) + 1 octets. Sert aux sélections, aux marques de visite, aux
// personnes dessinées ou répétées, aux coupes de branches et aux têtes de branche.
// Le compte des membres est tenu à jour à chaque changement.
#include <cstdint>
#include <vector>

namespace lignara {

class EnsemblePersonnes {
public:
    EnsemblePersonnes() = default;
    explicit EnsemblePersonnes(std::uint32_t nombrePersonnes);

    // Un numéro au-delà de l'ensemble n'en fait pas partie.
    bool contient(std::uint32_t personne) const {
        std::uint32_t i = personne / 8;
        return i < octets_.size() && ((octets_[i] >> (personne % 8)) & 1) != 0;
    }

    // Lèvent std::out_of_range pour un numéro au-delà de l'ensemble.
    void ajouter(std::uint32_t personne);
    void retirer(std::uint32_t personne);
    void vider();

    std::uint32_t nombre() const { return nombre_; }
    std::uint32_t nombrePersonnes() const { return nombrePersonnes_; }
    const std::vector<std::uint8_t>& octets() const { return octets_; }

    friend bool operator==(const EnsemblePersonnes&, const EnsemblePersonnes&) = default;

private:
    std::uint8_t& octetDe(std::uint32_t personne);

    std::vector<std::uint8_t> octets_ = std::vector<std::uint8_t>(1, 0);
    std::uint32_t nombrePersonnes_ = 0;
    std::uint32_t nombre_ = 0;
};

}  // namespace lignara
