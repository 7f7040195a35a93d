#pragma once
// Nom d'une personne tel que les messages et les listes le montrent : prénoms puis nom, séparés
// d'une espace, l'un ou l'autre seul quand il manque. Une personne sans nom est désignée par son
// numéro, pour rester reconnaissable dans un message.
#include <cstdint>
#include <string>

#include "database/BaseGenealogique.h"

namespace lignara {

std::string nomAffiche(const BaseGenealogique& base, std::uint32_t personne);
std::string nomAffiche(const std::string& nom, const std::string& prenoms, std::uint32_t personne);

// « né(e) 3.3.1901 », ou « sans date de naissance » : de quoi distinguer des homonymes.
std::string texteNaissance(const BaseGenealogique& base, std::uint32_t personne);

}  // namespace lignara
