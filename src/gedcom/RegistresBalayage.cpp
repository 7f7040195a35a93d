#include "gedcom/RegistresBalayage.h"

#include <algorithm>

namespace lignara {

std::uint32_t RegistresBalayage::personne(const CleEnregistrement& cle) { return personne(cle, IndexCles::hacher(cle)); }
std::uint32_t RegistresBalayage::famille(const CleEnregistrement& cle) { return famille(cle, IndexCles::hacher(cle)); }

std::uint32_t RegistresBalayage::personne(const CleEnregistrement& cle, std::size_t h) {
    auto [indice, nouvelle] = indexPersonnes.inserer(cle, h, personnes, static_cast<std::uint32_t>(personnes.size()));
    if (nouvelle) {
        personnes.emplace_back();
        personnes.back().cle = cle;
        personnes.back().fichier = static_cast<std::uint8_t>(cle.indiceFichier());
    }
    return indice;
}

std::uint32_t RegistresBalayage::famille(const CleEnregistrement& cle, std::size_t h) {
    auto [indice, nouvelle] = indexFamilles.inserer(cle, h, familles, static_cast<std::uint32_t>(familles.size()));
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

// Le tri compare d'abord les 8 premiers octets, rangés dans un entier (ordre des octets non
// signés) : les entrées des registres, grosses et dispersées, ne sont relues qu'en cas d'égalité.
std::uint64_t prefixe(const CleEnregistrement& cle) {
    const std::string_view o = cle.octets();
    std::uint64_t p = 0;
    for (std::size_t i = 0; i < 8; ++i)
        p = (p << 8) | (i < o.size() ? static_cast<unsigned char>(o[i]) : 0u);
    return p;
}

template <typename Entree>
std::vector<std::uint32_t> indicesParCle(const std::vector<Entree>& entrees) {
    struct Rang {
        std::uint64_t prefixe;
        std::uint32_t indice;
    };
    std::vector<Rang> rangs(entrees.size());
    for (std::uint32_t i = 0; i < rangs.size(); ++i) rangs[i] = {prefixe(entrees[i].cle), i};
    std::sort(rangs.begin(), rangs.end(), [&](const Rang& a, const Rang& b) {
        if (a.prefixe != b.prefixe) return a.prefixe < b.prefixe;
        return entrees[a.indice].cle < entrees[b.indice].cle;
    });
    std::vector<std::uint32_t> ordre(rangs.size());
    for (std::size_t i = 0; i < rangs.size(); ++i) ordre[i] = rangs[i].indice;
    return ordre;
}

}  // namespace

std::vector<std::uint32_t> RegistresBalayage::personnesParCle() const { return indicesParCle(personnes); }
std::vector<std::uint32_t> RegistresBalayage::famillesParCle() const { return indicesParCle(familles); }

}  // namespace lignara
