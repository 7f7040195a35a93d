#pragma once
// Index des clés d'enregistrement vers les indices d'un tableau dont chaque entrée porte sa clé
// (membre `cle`). Adressage ouvert, sondage linéaire : une case fait 8 octets (empreinte de la
// clé et indice + 1, 0 pour « vide »), sans nœud alloué par clé. Un arbre trié, puis une table
// à nœuds, coûtaient à eux seuls le sixième de l'import d'un gros fichier.
//
// Les clés ne sont jamais retirées. L'index ne garde pas les clés : il relit celle de l'entrée,
// d'où le tableau passé à chaque appel (toujours le même).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "gedcom/CleEnregistrement.h"

namespace lignara {

class IndexCles {
public:
    static constexpr std::uint32_t kAbsente = 0xFFFFFFFFu;

    std::size_t taille() const { return taille_; }

    template <typename Entree>
    std::uint32_t chercher(const CleEnregistrement& cle, const std::vector<Entree>& entrees) const {
        if (cases_.empty()) return kAbsente;
        const std::uint32_t h = hacher(cle);
        for (std::size_t i = h & masque_;; i = (i + 1) & masque_) {
            const Case& c = cases_[i];
            if (c.indice == 0) return kAbsente;
            if (c.empreinte == h && entrees[c.indice - 1].cle == cle) return c.indice - 1;
        }
    }

    // Indice de la clé et vrai quand elle vient d'être ajoutée avec nouvelIndice (l'appelant
    // ajoute alors l'entrée à cet indice).
    template <typename Entree>
    std::pair<std::uint32_t, bool> inserer(const CleEnregistrement& cle, const std::vector<Entree>& entrees,
                                           std::uint32_t nouvelIndice) {
        if ((taille_ + 1) * 4 > cases_.size() * 3) agrandir();
        const std::uint32_t h = hacher(cle);
        std::size_t i = h & masque_;
        for (;; i = (i + 1) & masque_) {
            const Case& c = cases_[i];
            if (c.indice == 0) break;
            if (c.empreinte == h && entrees[c.indice - 1].cle == cle) return {c.indice - 1, false};
        }
        cases_[i] = Case{h, nouvelIndice + 1};
        ++taille_;
        return {nouvelIndice, true};
    }

private:
    struct Case {
        std::uint32_t empreinte = 0;
        std::uint32_t indice = 0;  // indice + 1 ; 0 : case vide
    };

    static std::uint32_t hacher(const CleEnregistrement& cle) {
        const std::size_t h = std::hash<std::string_view>{}(cle.octets());
        return static_cast<std::uint32_t>(h ^ (h >> 32));
    }

    // L'empreinte est la valeur de hachage entière : on replace sans relire les clés.
    void agrandir() {
        std::vector<Case> anciennes = std::move(cases_);
        const std::size_t nombre = anciennes.empty() ? 1024 : anciennes.size() * 2;
        cases_.assign(nombre, Case{});
        masque_ = nombre - 1;
        for (const Case& c : anciennes) {
            if (c.indice == 0) continue;
            std::size_t i = c.empreinte & masque_;
            while (cases_[i].indice != 0) i = (i + 1) & masque_;
            cases_[i] = c;
        }
    }

    std::vector<Case> cases_;
    std::size_t masque_ = 0;
    std::size_t taille_ = 0;
};

}  // namespace lignara
