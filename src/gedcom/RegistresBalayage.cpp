#include "gedcom/RegistresBalayage.h"

#include <algorithm>
#include <compare>

namespace lignara {

std::uint32_t RegistresBalayage::personne(const CleEnregistrement& cle) {
    return personne(cle, IndexCles::hacher(cle));
}
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

// Le tri compare d'abord les 16 premiers octets, rangés dans deux entiers (ordre des octets non
// signés) : les entrées des registres, grosses et dispersées, ne sont relues qu'en cas
// d'égalité, c'est-à-dire presque jamais (avec 8 octets, « @I1234567@ » et « @I123456@ »
// s'égalaient et chaque comparaison de ce genre attendait la mémoire).
struct Prefixe {
    std::uint64_t haut = 0, bas = 0;
    auto operator<=>(const Prefixe&) const = default;
};

Prefixe prefixe(const CleEnregistrement& cle) {
    const std::uint8_t* o = cle.octetsComplets();  // nuls au-delà de la clé
    Prefixe p;
    for (std::size_t i = 0; i < 8; ++i) p.haut = (p.haut << 8) | o[i];
    for (std::size_t i = 8; i < 16; ++i) p.bas = (p.bas << 8) | o[i];
    return p;
}

template <typename Entree>
std::vector<std::uint32_t> indicesParCle(const std::vector<Entree>& entrees) {
    struct Rang {
        Prefixe prefixe;
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
