#pragma once
// Population d'un document qui porte sur un ensemble de personnes (statistiques, trombinoscope) :
// tout le fichier, la personne de tête et ses ascendants, ou la tête et ses descendants, avec
// les conjoints des descendants quand on les demande. Le menu fixe l'étendue : c'est l'octet de
// variante de la ligne du type (1 complète, 2 ascendante, 3 descendante).
//
// Une personne atteinte par plusieurs lignées n'est comptée qu'une fois. Un conjoint n'apporte
// que lui-même : ni ses autres unions, ni ses enfants nés d'un autre lit. Un conjoint qui est
// aussi un descendant (cousins mariés) garde sa descendance. Les parcours sont itératifs et
// marqués : ni la profondeur d'un gros fichier ni des liens abîmés ne les font déborder.
#include <cstdint>
#include <optional>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"

namespace lignara {

enum class EtenduePopulation : std::uint8_t {
    Complete = 1,     // toutes les personnes du fichier
    Ascendants = 2,   // la tête et tous ses ascendants
    Descendants = 3,  // la tête et tous ses descendants (et leurs conjoints sur demande)
};

// Étendue d'un octet de variante ; rien pour un autre octet.
std::optional<EtenduePopulation> etendueDeVariante(std::uint8_t variante);

// Ensemble sur toutes les personnes de la base ; racine est ignorée pour la population
// complète et doit sinon être une personne de la base.
EnsemblePersonnes choisirPopulation(const BaseGenealogique& base, EtenduePopulation etendue, std::uint32_t racine,
                                    bool conjointsDesDescendants);

}  // namespace lignara
