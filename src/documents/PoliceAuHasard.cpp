#include "documents/PoliceAuHasard.h"

#include "render/PoliceListe.h"

namespace lignara {

PoliceAuHasard::PoliceAuHasard(Graphique& document, ReglagesPolices* reglages, bool active, std::mt19937& alea)
    : document_(document) {
    if (!reglages || !active) return;
    ListePolices liste = listerPolicesUtilisables();
    auto noms = liste.noms();
    if (noms.empty()) return;
    std::uniform_int_distribution<std::size_t> tirage(0, noms.size() - 1);
    reglages_ = reglages;
    document_.nomPoliceGarde = reglages->nomPolice;
    reglages->nomPolice = std::string(noms[tirage(alea)]);
    chargerPolices(*reglages, {});
}

PoliceAuHasard::~PoliceAuHasard() {
    if (!reglages_) return;
    reglages_->nomPolice = document_.nomPoliceGarde;
    try {
        chargerPolices(*reglages_, {});
    } catch (...) {
        // Un destructeur ne lance rien : les métriques restent celles de la police tirée.
    }
}

}  // namespace lignara
