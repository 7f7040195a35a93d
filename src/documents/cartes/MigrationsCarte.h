#pragma once
// Migrations d'une carte de migration : pour chaque lien entre un parent et un enfant tous deux
// nés dans une région connue du pays de la carte, une migration de la région de naissance du
// parent vers celle de l'enfant quand elles diffèrent. Une migration par paire de régions et par
// génération (la première rencontrée) ; la génération d'un lien est celle de la personne la plus
// éloignée de la racine (1 : entre la racine et ses parents, ou ses enfants).
//
// Parcours en largeur jusqu'à « Nombre de générations » de la racine, chaque personne suivie
// une fois (à sa génération la plus proche) ; un lien vers une personne déjà suivie compte
// encore, mais on ne remonte (ou ne descend) pas une seconde fois derrière elle. Descendants :
// les enfants de chaque famille de la personne, le conjoint n'étant pas suivi.
#include <array>
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "gedcom/LieuCodePays.h"

namespace lignara {

struct Migration {
    std::uint8_t depart = 0;   // région du parent
    std::uint8_t arrivee = 0;  // région de l'enfant
    int generation = 0;
    friend bool operator==(const Migration&, const Migration&) = default;
};

struct MigrationsCarte {
    std::vector<Migration> migrations;  // dans l'ordre de la découverte
    std::array<bool, 256> regions{};    // régions de départ ou d'arrivée d'une migration
    int generationMax = 0;
};

MigrationsCarte migrationsAscendantes(const BaseGenealogique& base, std::uint32_t racine, int generations,
                                      CodePays pays, std::uint16_t regionMax);
MigrationsCarte migrationsDescendantes(const BaseGenealogique& base, std::uint32_t racine, int generations,
                                       CodePays pays, std::uint16_t regionMax);

}  // namespace lignara
