#pragma once
// Statut vital : 'm' pour une personne qui a un événement de décès (daté ou non) ; sinon 'v'
// (peut-être vivant) quand l'année courante moins l'année de naissance estimée est sous 100 —
// ce qui comprend l'estimation absente 9999 —, 'm' sinon. Puis chaque anneau de fratrie prend
// un seul statut : 'v' dès qu'un de ses enfants l'est, sauf pour ceux dont le décès est connu.
// Calcul pur ; indice = numéro de personne (indice 0 : 'm', inutilisé).
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/LiensFamiliaux.h"

namespace lignara {

std::vector<char> calculerStatutVital(const LiensFamiliaux& liens, const std::vector<std::int16_t>& anneesNaissance,
                                      int anneeCourante);

// Les enfants d'un couple sont des contemporains (à cacher avec eux) dès que l'un d'eux est 'v' :
// le premier seul ne suffit pas, un aîné mort reste 'm' à côté de cadets peut-être vivants.
bool fratrieContemporaine(const BaseGenealogique& base, const std::vector<char>& statuts, std::uint32_t premierEnfant);

}  // namespace lignara
