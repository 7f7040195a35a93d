#pragma once
// Les personnes d'une carte de localisation, chacune une fois, dans l'ordre où on les compte.
//   ascendants  : la racine, puis chaque parent (le père d'abord) de proche en proche ;
//   descendants : la racine, puis pour chaque famille de la personne dans l'ordre de sa chaîne
//                 ses enfants, suivis à leur tour, et le conjoint, compté mais pas suivi ;
//   patronyme   : les porteurs du nom (comparé sur sa clé d'index, sans égard à la casse ni aux
//                 accents) ;
//   tout        : toutes les personnes.
// Descendants : être compté et être suivi sont deux marques distinctes ; un descendant déjà
// compté comme conjoint d'un cousin est encore suivi quand on l'atteint comme enfant, si bien
// que ses enfants d'une autre union ne se perdent pas.
// Parcours sans récursion : une lignée d'un million de générations ne déborde pas la pile.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"

namespace lignara {

std::vector<std::uint32_t> ascendantsCarte(const BaseGenealogique& base, std::uint32_t racine);
std::vector<std::uint32_t> descendantsCarte(const BaseGenealogique& base, std::uint32_t racine);
// nom1252 : le nom tel que la sélection le donne. Sans index, la base est parcourue.
std::vector<std::uint32_t> porteursDuNom(const BaseGenealogique& base, const IndexNoms* index,
                                         const std::string& nom1252);
std::vector<std::uint32_t> toutesLesPersonnes(const BaseGenealogique& base);

}  // namespace lignara
