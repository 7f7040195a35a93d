#include "gedcom/RegistresBalayage.h"

#include <algorithm>
#include <numeric>

namespace lignara {

std::uint32_t RegistresBalayage::personne(const CleEnregistrement& cle) {
    auto [indice, nouvelle] = indexPersonnes.inserer(cle, personnes, static_cast<std::uint32_t>(personnes.size()));
    if (nouvelle) {
        personnes.emplace_back();
        personnes.back().cle = cle;
        personnes.back().fichier = static_cast<std::uint8_t>(cle.indiceFichier());
    }
    return indice;
}

std::uint32_t RegistresBalayage::famille(const CleEnregistrement& cle) {
    auto [indice, nouvelle] = indexFamilles.inserer(cle, familles, static_cast<std::uint32_t>(familles.size()));
    if (nouvelle) {
        familles.emplace_back();
        familles.back().cle = cle;
        familles.back().fichier = static_cast<std::uint8_t>(cle.indiceFichier());
    }
    return indice;
}

std::uint32_t RegistresBalayage::chercherPersonne(const CleEnregistrement& cle) const {
    const std::uint32_t i = indexPersonnes.chercher(cle, personnes);
    return i == IndexCles::kAbsente ? kAucun : i;
}

namespace {

template <typename Entree>
std::vector<std::uint32_t> indicesParCle(const std::vector<Entree>& entrees) {
    std::vector<std::uint32_t> ordre(entrees.size());
    std::iota(ordre.begin(), ordre.end(), 0u);
    std::sort(ordre.begin(), ordre.end(),
              [&](std::uint32_t a, std::uint32_t b) { return entrees[a].cle < entrees[b].cle; });
    return ordre;
}

}  // namespace

std::vector<std::uint32_t> RegistresBalayage::personnesParCle() const { return indicesParCle(personnes); }
std::vector<std::uint32_t> RegistresBalayage::famillesParCle() const { return indicesParCle(familles); }

}  // namespace lignara
