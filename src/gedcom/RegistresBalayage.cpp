#include "gedcom/RegistresBalayage.h"

#include <algorithm>
#include <compare>
#include <future>
#include <memory>
#include <stdexcept>

namespace lignara {

std::uint32_t RegistresBalayage::personne(const CleEnregistrement& cle) {
    return personne(cle, IndexCles::hacher(cle));
}
std::uint32_t RegistresBalayage::famille(const CleEnregistrement& cle) { return famille(cle, IndexCles::hacher(cle)); }

namespace {

void verifierIndex(bool rendus) {
    if (rendus) throw std::logic_error("registres du balayage : clé cherchée après que les index ont été rendus");
}

}  // namespace

void RegistresBalayage::rendreIndex() {
    indexPersonnes = {};
    indexFamilles = {};
    indexRendus = true;
}

void RegistresBalayage::reserverIndex(std::size_t nombrePersonnes, std::size_t nombreFamilles) {
    verifierIndex(indexRendus);
    indexPersonnes.reserver(nombrePersonnes, personnes);
    indexFamilles.reserver(nombreFamilles, familles);
}

std::uint32_t RegistresBalayage::personne(const CleEnregistrement& cle, std::size_t h) {
    verifierIndex(indexRendus);
    auto [indice, nouvelle] = indexPersonnes.inserer(cle, h, personnes, static_cast<std::uint32_t>(personnes.size()));
    if (nouvelle) {
        personnes.emplace_back();
        personnes.back().cle = cle;
        personnes.back().fichier = static_cast<std::uint8_t>(cle.indiceFichier());
    }
    return indice;
}

std::uint32_t RegistresBalayage::famille(const CleEnregistrement& cle, std::size_t h) {
    verifierIndex(indexRendus);
    auto [indice, nouvelle] = indexFamilles.inserer(cle, h, familles, static_cast<std::uint32_t>(familles.size()));
    if (nouvelle) {
        familles.emplace_back();
        familles.back().cle = cle;
        familles.back().fichier = static_cast<std::uint8_t>(cle.indiceFichier());
    }
    return indice;
}

std::uint32_t RegistresBalayage::chercherPersonne(const CleEnregistrement& cle) const {
    verifierIndex(indexRendus);
    const std::uint32_t i = indexPersonnes.chercher(cle, personnes);
    return i == IndexCles::kAbsente ? kAucun : i;
}

namespace {

// Le tri compare d'abord les 16 premiers octets, rangés dans deux entiers (ordre des octets non
// signés) : les entrées des registres, grosses et dispersées, ne sont relues qu'en cas
// d'égalité, c'est-à-dire presque jamais (avec 8 octets, « @I1234567@ » et « @I123456@ »
// s'égalaient et chaque comparaison de ce genre attendait la mémoire).
struct Prefixe {
    std::uint64_t haut, bas;  // sans valeur d'office : les rangs se remplissent dans les fils du tri
    auto operator<=>(const Prefixe&) const = default;  // NOLINT(modernize-use-nullptr) : faux positif de clang-tidy 14
};

Prefixe prefixe(const CleEnregistrement& cle) {
    const std::uint8_t* o = cle.octetsComplets();  // nuls au-delà de la clé
    Prefixe p{0, 0};
    for (std::size_t i = 0; i < 8; ++i) p.haut = (p.haut << 8) | o[i];
    for (std::size_t i = 8; i < 16; ++i) p.bas = (p.bas << 8) | o[i];
    return p;
}

struct Rang {
    Prefixe prefixe;
    std::uint32_t indice;
};

// Ordre des rangs : le préfixe, puis la clé entière de l'entrée quand les préfixes sont égaux.
template <typename Entree>
auto ordreDesCles(const std::vector<Entree>& entrees) {
    return [&entrees](const Rang& a, const Rang& b) {
        if (a.prefixe != b.prefixe) return a.prefixe < b.prefixe;
        return entrees[a.indice].cle < entrees[b.indice].cle;
    };
}

// Rangs [debut, fin) des entrées, triés.
template <typename Entree>
void trierRangs(const std::vector<Entree>& entrees, Rang* rangs, std::uint32_t debut, std::uint32_t fin) {
    for (std::uint32_t i = debut; i < fin; ++i) rangs[i] = {prefixe(entrees[i].cle), i};
    std::sort(rangs + debut, rangs + fin, ordreDesCles(entrees));
}

// Un gros registre se trie en deux moitiés, chacune dans son fil, puis se fusionne : le tri des
// personnes attendait seul, un cœur inoccupé, entre le balayage et la construction.
template <typename Entree>
std::vector<std::uint32_t> indicesParCle(const std::vector<Entree>& entrees) {
    constexpr std::size_t kEnDeux = std::size_t{1} << 16;
    const auto n = static_cast<std::uint32_t>(entrees.size());
    auto rangs = std::make_unique_for_overwrite<Rang[]>(n);
    const std::uint32_t milieu = n >= kEnDeux ? n / 2 : n;
    {
        std::future<void> seconde;
        if (milieu < n) seconde = std::async(std::launch::async, [&] { trierRangs(entrees, rangs.get(), milieu, n); });
        trierRangs(entrees, rangs.get(), 0, milieu);
        if (seconde.valid()) seconde.get();
    }
    const auto avant = ordreDesCles(entrees);
    // Fusion directe vers les indices (les clés d'un registre sont toutes différentes).
    std::vector<std::uint32_t> ordre(n);
    std::uint32_t i = 0, j = milieu, k = 0;
    while (i < milieu && j < n) ordre[k++] = avant(rangs[j], rangs[i]) ? rangs[j++].indice : rangs[i++].indice;
    while (i < milieu) ordre[k++] = rangs[i++].indice;
    while (j < n) ordre[k++] = rangs[j++].indice;
    return ordre;
}

}  // namespace

std::vector<std::uint32_t> RegistresBalayage::personnesParCle() const { return indicesParCle(personnes); }
std::vector<std::uint32_t> RegistresBalayage::famillesParCle() const { return indicesParCle(familles); }

}  // namespace lignara
