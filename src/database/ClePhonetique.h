#pragma once
// Clé phonétique française d'un nom : lettres minuscules et chiffres 1 à 5 (1 « an », 2 « oi »,
// 3 « ou », 4 « in », 5 « ch »). Deux noms de même clé sont deux graphies d'un même nom :
// Dupont et DUPOND donnent tous deux « tuton ». Le texte qui suit un '(', un '{' ou un '/'
// (autre graphie, nom entre barres obliques) n'entre pas dans la clé ; un nom sans lettre
// donne la clé vide. Texte en Windows-1252, de longueur quelconque.
#include <string>
#include <string_view>

namespace lignara {

std::string ClePhonetique(std::string_view nom);

}  // namespace lignara
