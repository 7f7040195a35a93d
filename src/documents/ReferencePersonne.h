#pragma once
// Référence d'une personne dans les paramètres d'un favori : la personne est rangée par son
// identité, pas par son numéro, pour qu'un favori survive à un nouvel import du GEDCOM.
//   clé du nom · octet 31 · clé des prénoms · octet 0   (clés normalisées de l'index des noms)
//   jour (1 octet), mois (1 octet), année (u16 little-endian) de la naissance, tout à 0 sans
//   événement naissance
// Longueur : les deux clés plus 6 octets. Aucune personne (numéro hors de 1 à N) : l'octet 255.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "documents/ContexteDocument.h"

namespace lignara {

struct ReferencePersonne {
    static constexpr std::uint8_t kAucune = 255;
    static constexpr std::uint8_t kSeparateur = 31;

    std::string cle;  // nom · 31 · prénoms ; vide : aucune personne
    std::uint8_t jour = 0;
    std::uint8_t mois = 0;
    std::uint16_t annee = 0;

    // Référence de la personne numéro personne de la base ; aucune hors de 1 à N.
    static ReferencePersonne de(const BaseGenealogique& base, std::int32_t personne);

    bool aucune() const { return cle.empty(); }
    std::vector<std::uint8_t> octets() const;

    // Lit une référence à partir de position dans bloc et avance position. Rend faux, sans
    // rien lire au-delà du bloc, quand la référence n'y tient pas en entier.
    static bool lire(std::span<const std::uint8_t> bloc, std::size_t& position, ReferencePersonne& ref);

    // Numéro de la personne : 0 pour aucune ; −1 quand elle n'est plus dans la base, après le
    // message « … n'est plus accessible dans la base … » envoyé au contexte.
    std::int32_t chercher(const ContexteDocument& contexte) const;
    // La même recherche sans message.
    std::int32_t trouver(const ContexteDocument& contexte) const;
};

}  // namespace lignara
