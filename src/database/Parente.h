#pragma once
// Parcours des liens de parenté rangés dans les enregistrements : père et mère, anneau des
// enfants d'une famille, chaîne des fiches Famille d'un conjoint.
// Une base abîmée peut boucler : chaque parcours est borné par l'effectif de sa table et lève
// DonneesCorrompues au-delà, comme pour tout lien vers un numéro hors des tables.
#include <cstdint>
#include <optional>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara {

struct ParentsPersonne {
    std::uint32_t pere = 0;  // 0 : inconnu
    std::uint32_t mere = 0;
};

// Une fiche Famille vue depuis la personne de la chaîne.
struct FamilleConjoint {
    std::uint32_t fiche = 0;
    std::uint32_t conjoint = 0;  // 0 : inconnu
    std::uint32_t mariage = 0;   // numéro d'événement, 0 : aucun
    std::int32_t divorce = -1;   // −1 pas de divorce, 0 sans date ni lieu, > 0 événement
    std::uint32_t premierEnfant = 0;
};

ParentsPersonne Parents(const BaseGenealogique& base, std::uint32_t personne);
// Fiches Famille de la personne comme conjoint, dans l'ordre de sa chaîne.
std::vector<FamilleConjoint> Conjoints(const BaseGenealogique& base, std::uint32_t personne);
// Enfants d'une fiche Famille, dans l'ordre de l'anneau.
std::vector<std::uint32_t> Enfants(const BaseGenealogique& base, std::uint32_t fiche);
// Tous les enfants des parents de la personne, elle comprise, à partir d'elle ; une personne
// sans parents n'a qu'elle-même.
std::vector<std::uint32_t> Fratrie(const BaseGenealogique& base, std::uint32_t personne);
// Fiche de la chaîne de la personne dont le conjoint est celui donné.
std::optional<FamilleConjoint> FamilleDuCouple(const BaseGenealogique& base, std::uint32_t personne,
                                               std::uint32_t conjoint);

}  // namespace lignara
