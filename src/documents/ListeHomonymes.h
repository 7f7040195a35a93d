#pragma once
// Textes du dialogue « Choix entre des homonymes » : son titre et une ligne par candidat.
//   [en phonétique : « NOM Prénoms : »] « (naissance-décès) » « Epoux de NOM Prénoms » ou
//   « Non marié(e) », puis « et sans parents » ou « et enfant de » le père (la mère sans père).
// Les noms sont ajustés à la largeur qui reste sur la ligne (unités de dessin à 10 points, police
// régulière du contexte).
#include <cstdint>
#include <string>

#include "documents/ContexteDocument.h"
#include "documents/SelectionPersonne.h"

namespace lignara {

std::string titreHomonymes(const EtatSelection& etat);

std::string ligneHomonyme(const ContexteDocument& contexte, std::uint32_t personne, bool phonetique,
                          std::int32_t largeur);

// Premier conjoint connu de la personne (dans l'ordre de ses familles), 0 sinon.
std::uint32_t premierConjoint(const BaseGenealogique& base, std::uint32_t personne);

}  // namespace lignara
