#pragma once
// Boucles dans les liens de parenté vues depuis une personne : l'import les écarte, mais une
// base abîmée peut en garder, et une remontée génération par génération ne s'arrêterait plus.
#include <cstdint>
#include <span>
#include <string>

#include "database/BaseGenealogique.h"

namespace lignara {

// Message « Opération impossible car les personnes suivantes forment une boucle infinie de
// liens de parenté : », une ligne « - nom » par personne (20 au plus, dans l'ordre donné), puis
// « (corriger le fichier, puis recommencez) ».
std::string messageBoucleParente(const BaseGenealogique& base, std::span<const std::uint32_t> personnes);

// Lève OperationImpossible avec ce message quand un ascendant de la racine (ou elle-même) est
// son propre ascendant ; le message nomme les personnes de la boucle et leurs ascendants, par
// numéro croissant. Linéaire en nombre d'ascendants.
void verifierAscendanceSansBoucle(const BaseGenealogique& base, std::uint32_t racine);

}  // namespace lignara
