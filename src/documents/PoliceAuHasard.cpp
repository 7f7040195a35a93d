#include "documents/PoliceAuHasard.h"

#include "render/PoliceListe.h"

namespace lignara {

std::optional<PolicesDocument> policeAuHasard(const Horloge& horloge, const ReglagesPolices& reglages) {
    const ListePolices liste = listerPolicesUtilisables();
    const auto noms = liste.noms();
    if (noms.empty()) return std::nullopt;
    std::mt19937 alea = horloge.tirage("police");
    std::uniform_int_distribution<std::size_t> tirage(0, noms.size() - 1);
    ReglagesPolices tiree = reglages;
    tiree.nomPolice = std::string(noms[tirage(alea)]);
    return chargerPolices(tiree, {});
}

}  // namespace lignara
