#pragma once
// Textes du dialogue « Choix entre des homonymes » : son titre et une ligne par candidat.
//   « Prénoms : » (en phonétique « NOM Prénoms : ») « (naissance-décès) » « Epoux de NOM
//   Prénoms » ou « Non marié(e) », puis « et sans parents » ou « et enfant de » le père (la mère
//   sans père). Les prénoms ouvrent chaque ligne : ceux qu'on a tapés ne sont souvent que le
//   début des prénoms, voire rien (« Il y a plusieurs DUMAS : »).
// Les noms sont ajustés à la largeur qui reste sur la ligne (unités de dessin à 10 points, police
// régulière du contexte).
// Et une ligne du dialogue « Dernières personnes saisies » : « NOM Prénoms (naissance-décès) ».
#include <cstdint>
#include <string>

#include "documents/ContexteDocument.h"
#include "documents/PersonnesRecentes.h"
#include "documents/SelectionPersonne.h"

namespace lignara {

std::string titreHomonymes(const EtatSelection& etat);

std::string ligneHomonyme(const ContexteDocument& contexte, std::uint32_t personne, bool phonetique,
                          std::int32_t largeur);

std::string ligneDerniere(const ContexteDocument& contexte, const PersonneRecente& recente);

// Premier conjoint connu de la personne (dans l'ordre de ses familles), 0 sinon.
std::uint32_t premierConjoint(const BaseGenealogique& base, std::uint32_t personne);

}  // namespace lignara
