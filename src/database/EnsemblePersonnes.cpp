#include "database/EnsemblePersonnes.h"

#include <algorithm>
#include <stdexcept>

namespace lignara {

EnsemblePersonnes::EnsemblePersonnes(std::uint32_t nombrePersonnes)
    : octets_(std::size_t{nombrePersonnes} / 8 + 1, 0), nombrePersonnes_(nombrePersonnes) {}

std::uint8_t& EnsemblePersonnes::octetDe(std::uint32_t personne) {
    std::uint32_t i = personne / 8;
    if (i >= octets_.size()) throw std::out_of_range("personne hors de l'ensemble");
    return octets_[i];
}

void EnsemblePersonnes::ajouter(std::uint32_t personne) {
    auto masque = static_cast<std::uint8_t>(1u << (personne % 8));
    std::uint8_t& o = octetDe(personne);
    if ((o & masque) == 0) ++nombre_;
    o = static_cast<std::uint8_t>(o | masque);
}

void EnsemblePersonnes::retirer(std::uint32_t personne) {
    auto masque = static_cast<std::uint8_t>(1u << (personne % 8));
    std::uint8_t& o = octetDe(personne);
    if ((o & masque) != 0) --nombre_;
    o = static_cast<std::uint8_t>(o & ~masque);
}

void EnsemblePersonnes::vider() {
    std::fill(octets_.begin(), octets_.end(), std::uint8_t{0});
    nombre_ = 0;
}

}  // namespace lignara
