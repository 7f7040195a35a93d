#pragma once
// Statut vital : 'm' pour une personne qui a un événement de décès (daté ou non) ; sinon 'v'
// (peut-être vivant) quand l'année courante moins l'année de naissance estimée est sous 100 —
// ce qui comprend l'estimation absente 9999 —, 'm' sinon. Puis chaque anneau de fratrie prend
// un seul statut : 'v' dès qu'un de ses enfants l'est, sauf pour ceux dont le décès est connu.
// Calcul pur ; indice = numéro de personne (indice 0 : 'm', inutilisé).
#include <cstdint>
#include <vector>

#include "database/LiensFamiliaux.h"

namespace lignara {

std::vector<char> calculerStatutVital(const LiensFamiliaux& liens, const std::vector<std::int16_t>& anneesNaissance,
                                      int anneeCourante);

}  // namespace lignara
