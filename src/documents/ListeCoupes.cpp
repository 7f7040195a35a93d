#include "documents/ListeCoupes.h"

#include <algorithm>

namespace lignara {

ListeCoupes::ListeCoupes(const EnsemblePersonnes& ensemble) {
    for (std::uint32_t p = 1; p <= ensemble.nombrePersonnes() && peutAjouter(); ++p)
        if (ensemble.contient(p)) personnes_.push_back(p);
}

bool ListeCoupes::ajouter(std::int32_t personne) {
    if (!peutAjouter() || personne <= 0) return false;
    auto p = static_cast<std::uint32_t>(personne);
    if (std::find(personnes_.begin(), personnes_.end(), p) != personnes_.end()) return false;
    personnes_.push_back(p);
    return true;
}

bool ListeCoupes::supprimer(std::size_t ligne) {
    if (ligne >= personnes_.size()) return false;
    personnes_.erase(personnes_.begin() + static_cast<std::ptrdiff_t>(ligne));
    return true;
}

EnsemblePersonnes ListeCoupes::ensemble(std::uint32_t nombrePersonnes) const {
    EnsemblePersonnes e(nombrePersonnes);
    for (std::uint32_t p : personnes_)
        if (p <= nombrePersonnes) e.ajouter(p);
    return e;
}

}  // namespace lignara
