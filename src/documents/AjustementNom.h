#pragma once
// Nom qui tient dans une largeur : « NOM Prénoms » quand il y tient (largeurTexte de la police
// donnée, unités de dessin à 10 points) ; sinon raccourci avec deux points, en essayant dans
// l'ordre les formes qui gardent le plus du nom de famille :
//   « %s %.*s.. »     nom entier, prénoms coupés (au moins un caractère)
//   « %.*s..%s »      nom coupé, prénoms entiers
//   « %.*s..%.*s.. »  les deux coupés, autant de caractères de part et d'autre
// chacune avec autant de caractères qu'il en tient. Quand rien ne tient, la dernière forme
// avec un caractère de chaque.
#include <cstdint>
#include <string>
#include <string_view>

#include "commun/MetriquePolice.h"

namespace lignara {

std::string ajusterNom(std::int32_t largeur, std::string_view nom, std::string_view prenoms,
                       const MetriquePolice& police);

}  // namespace lignara
