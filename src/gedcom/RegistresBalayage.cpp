#include "gedcom/RegistresBalayage.h"

namespace lignara {

std::uint32_t RegistresBalayage::personne(const CleEnregistrement& cle) {
    auto [it, nouvelle] = indexPersonnes.try_emplace(cle, static_cast<std::uint32_t>(personnes.size()));
    if (nouvelle) {
        personnes.emplace_back();
        personnes.back().cle = cle;
        personnes.back().fichier = static_cast<std::uint8_t>(cle.indiceFichier());
    }
    return it->second;
}

std::uint32_t RegistresBalayage::famille(const CleEnregistrement& cle) {
    auto [it, nouvelle] = indexFamilles.try_emplace(cle, static_cast<std::uint32_t>(familles.size()));
    if (nouvelle) {
        familles.emplace_back();
        familles.back().cle = cle;
        familles.back().fichier = static_cast<std::uint8_t>(cle.indiceFichier());
    }
    return it->second;
}

}  // namespace lignara
