#include "documents/PersonnesRecentes.h"

#include <algorithm>

namespace lignara {

void PersonnesRecentes::retenir(PersonneRecente recente) {
    std::erase_if(liste_, [&](const PersonneRecente& r) { return r.personne == recente.personne; });
    liste_.insert(liste_.begin(), std::move(recente));
    if (liste_.size() > kNombreMax) liste_.resize(kNombreMax);
}

}  // namespace lignara
