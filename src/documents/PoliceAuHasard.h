#pragma once
// Préférence « Police au hasard à chaque nouveau graphique » : pendant la vie d'un document, la
// police des préférences est gardée dans le document et remplacée par une police installée
// tirée au sort (uniformément) ; les métriques sont rechargées. La police gardée revient quand
// l'objet est détruit, aussi quand une exception abandonne le document.
#include <random>

#include "render/Graphique.h"
#include "render/PoliceChargement.h"

namespace lignara {

class PoliceAuHasard {
public:
    // Sans effet quand reglages est nul ou que la préférence est éteinte.
    PoliceAuHasard(Graphique& document, ReglagesPolices* reglages, bool active, std::mt19937& alea);
    ~PoliceAuHasard();
    PoliceAuHasard(const PoliceAuHasard&) = delete;
    PoliceAuHasard& operator=(const PoliceAuHasard&) = delete;

private:
    Graphique& document_;
    ReglagesPolices* reglages_ = nullptr;
};

}  // namespace lignara
