#pragma once
// Degrés de parenté autour d'une personne : parcours en largeur par les liens de père, de mère,
// de conjoint et d'enfant ; le degré d'un parent est le nombre de ces liens sur le plus court
// chemin (un cousin germain au 4e degré, un conjoint au 1er).
//
// L'alliance se transmet : qui est atteint depuis un allié (ses parents, ses enfants d'une autre
// union) est allié aussi, si bien que beaux-parents et enfants du conjoint ne passent pas pour
// des parents de sang. À degré égal, un chemin de sang l'emporte sur un chemin d'alliance.
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"

namespace lignara {

struct DegreParente {
    std::uint32_t personne = 0;
    std::uint16_t degre = 0;
    bool ligneDirecte = false;  // ascendant direct de la racine
    bool alliance = false;      // tout plus court chemin passe par un conjoint
};

// Rend, dans l'ordre du parcours, toutes les personnes atteintes sauf la racine elle-même
// (qui n'est jamais listée). degreMax 0 : sans limite ; une personne au-delà n'est ni listée
// ni développée. visites reçoit la racine et les personnes listées ; il doit couvrir la base.
// Sans alliances, les liens de conjoint ne sont pas suivis : chacun a son degré de sang.
std::vector<DegreParente> parcourirDegresParente(const BaseGenealogique& base, std::uint32_t racine,
                                                 std::uint16_t degreMax, EnsemblePersonnes& visites,
                                                 bool alliances = true);

}  // namespace lignara
