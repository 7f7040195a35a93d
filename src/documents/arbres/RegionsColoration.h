#pragma once
// Tables de régions des critères de coloration 1 à 4 : la case fixe de chaque subdivision du
// pays (mêmes codes que la normalisation des lieux, octet 2 du code de lieu) et le nom de chaque
// case, pour que chaque région garde sa couleur d'un arbre à l'autre.
//   1 France depuis 2016    : 13 régions métropolitaines puis l'outre-mer, cases 0 à 13 ;
//   2 France de 1970 à 2015 : 22 régions métropolitaines puis l'outre-mer, cases 0 à 22 ;
//   3 Belgique              : 10 provinces et Bruxelles-Capitale, cases 0 à 10 ;
//   4 Canada                : 10 provinces et 3 territoires, cases 0 à 12.
// La France suit data/Lieux/coloration-FR-*.txt ; la Belgique et le Canada, l'ordre des codes de
// leurs subdivisions. Noms en Windows-1252.
#include <cstdint>
#include <string>

#include "gedcom/LieuCodePays.h"

namespace lignara {

// Nombre de régions de la table du critère ; 0 quand le critère n'a pas de table.
int nombreRegionsColoration(std::uint8_t critere);
// Pays dont les lieux sont colorés par la table (FR, BE, CA) ; inconnu sans table.
CodePays paysRegionsColoration(std::uint8_t critere);
// Case fixe de la subdivision, −1 quand la table ne la connaît pas.
int caseRegionColoration(std::uint8_t critere, std::uint8_t subdivision);
// Nom de la région de la case (0 ≤ c < nombreRegionsColoration) ; vide sinon.
std::string nomRegionColoration(std::uint8_t critere, int c);

}  // namespace lignara
