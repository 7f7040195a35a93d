#pragma once
// Compte des personnes d'une carte de localisation par région du pays de la carte.
//
// Un événement compte quand son lieu est du pays de la zone et que son octet de région n'est ni
// une espace, ni au-dessous de 33, ni au-dessus du plus grand numéro de la carte ; un lieu de
// pays inconnu ne compte pas. Lieu pris :
//   naissance, décès, ou premier lieu connu : la naissance quand elle compte, sinon chaque
//   mariage dans l'ordre des familles de la personne jusqu'à un qui compte, sinon le décès.
#include <array>
#include <cstdint>
#include <span>

#include "database/BaseGenealogique.h"
#include "gedcom/LieuCodePays.h"

namespace lignara {

enum class LieuCompte : std::uint8_t { Naissance = 0, Deces = 1, PremierConnu = 2 };

struct ComptageRegions {
    std::array<std::uint32_t, 256> compte{};  // par octet de région
    int regionsComptees = 0;                  // régions dont le compte n'est pas nul
    std::uint32_t plusGrand = 0;              // plus grand compte

    void ajouter(std::uint8_t region);
};

// Région (33 à regionMax) du lieu de l'événement dans le pays, ou 0 quand il ne compte pas.
std::uint8_t regionEvenement(const BaseGenealogique& base, std::uint32_t evenement, CodePays pays,
                             std::uint16_t regionMax);
// Région du lieu choisi de la personne, ou 0.
std::uint8_t regionPersonne(const BaseGenealogique& base, std::uint32_t personne, LieuCompte lieu, CodePays pays,
                            std::uint16_t regionMax);

ComptageRegions compterRegions(const BaseGenealogique& base, std::span<const std::uint32_t> personnes, LieuCompte lieu,
                               CodePays pays, std::uint16_t regionMax);

}  // namespace lignara
