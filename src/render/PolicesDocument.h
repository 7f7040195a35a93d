#pragma once
// Police d'un document telle que chargée : la famille retenue, ses métriques régulière et
// italique, et la largeur de la bande de signature qui s'en déduit. Chaque document a la sienne
// (celle des préférences, ou une police tirée au sort) ; la surface PDF l'écrit et la mesure,
// la mise en page la mesure. Rien n'en est gardé pour tout le processus.
//
// Par défaut (rien de chargé) : métriques à zéro, tous les textes de largeur nulle.
#include <cstdint>
#include <string>

#include "commun/MetriquePolice.h"

namespace lignara {

struct PolicesDocument {
    // Nom de famille écrit dans le PDF (Windows-1252, au plus 31 octets) : celui des
    // préférences, ou « Arial » quand il a fallu s'y replier.
    std::string nom = "Arial";
    MetriquePolice reguliere;
    MetriquePolice italique{.italique = 1};
    // Unités de dessin : 384 + max(l1, l2) × 8 ÷ 10, li la largeur de la ligne de signature i.
    std::int32_t largeurSignature = 384;
};

}  // namespace lignara
