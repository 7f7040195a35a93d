#pragma once
// Préférence « Police au hasard à chaque nouveau graphique » : le document est dessiné dans une
// police installée tirée au sort (uniformément) pour lui seul. Le tirage est celui de l'usage
// « police » de l'horloge du document : la même graine (SOURCE_DATE_EPOCH) tire la même police.
// Rien d'autre ne change : la police des préférences reste celle des documents suivants.
#include <optional>

#include "commun/Horloge.h"
#include "render/PoliceChargement.h"
#include "render/PolicesDocument.h"

namespace lignara {

// Police tirée, chargée sans message avec les lignes de signature de reglages (son nom de police
// est ignoré) ; rien quand aucune police n'est utilisable.
std::optional<PolicesDocument> policeAuHasard(const Horloge& horloge, const ReglagesPolices& reglages);

}  // namespace lignara
