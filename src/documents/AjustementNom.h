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

// Un seul texte (nom ou prénoms ajustés à part) : entier quand il tient, sinon « %.*s.. » avec
// autant de caractères qu'il en tient ; vide quand même un caractère et ses deux points ne
// tiennent pas.
std::string ajusterTexte(std::int32_t largeur, std::string_view texte, const MetriquePolice& police);

// « Prénoms NOM » quand il tient ; sinon les prénoms sont coupés d'abord, le nom gardé entier
// (« %.*s.. %s »), puis les deux (« %.*s..%.*s.. ») ; vide quand rien ne tient.
std::string ajusterPrenomsNom(std::int32_t largeur, std::string_view prenoms, std::string_view nom,
                              const MetriquePolice& police);

}  // namespace lignara
