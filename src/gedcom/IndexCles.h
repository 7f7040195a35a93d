#pragma once
// Index des clés d'enregistrement vers les indices d'un tableau dont chaque entrée porte sa clé
// (membre `cle`). Adressage ouvert, sondage linéaire, sans nœud alloué par clé. Une case fait
// 16 octets : l'indice + 1 (0 pour « vide »), la longueur de la clé et ses 11 premiers octets.
// Une clé de 11 octets au plus (« @I12345678@ ») se décide dans la case seule ; seule une clé
// plus longue fait relire l'entrée du tableau. Chaque recherche dans un gros fichier coûtait un
// défaut de cache de plus pour relire la clé de l'entrée, au milieu de millions d'entrées.
//
// Les clés ne sont jamais retirées. L'index relit les clés longues dans le tableau, d'où le
// tableau passé à chaque appel (toujours le même).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "commun/GrandesPages.h"
#include "commun/HachageCourt.h"
#include "commun/Precharger.h"
#include "gedcom/CleEnregistrement.h"

namespace lignara {

class IndexCles {
public:
    static constexpr std::uint32_t kAbsente = 0xFFFFFFFFu;

    std::size_t taille() const { return taille_; }

    static std::size_t hacher(const CleEnregistrement& cle) { return hacher(cle.octets()); }

    // Demande au processeur la case d'une clé (de valeur de hachage h) avant d'en avoir besoin :
    // dans un gros fichier, chaque recherche attend surtout la mémoire.
    void prechercher(std::size_t h) const {
        if (!cases_.empty()) precharger(&cases_[h & masque_]);
    }

    template <typename Entree>
    std::uint32_t chercher(const CleEnregistrement& cle, const std::vector<Entree>& entrees) const {
        if (cases_.empty()) return kAbsente;
        const Case cible = Case::de(cle, 0);
        for (std::size_t i = hacher(cle) & masque_;; i = (i + 1) & masque_) {
            const Case& c = cases_[i];
            if (c.indice == 0) return kAbsente;
            if (c.meme(cible) && (cible.longueur <= kEnLigne || entrees[c.indice - 1].cle == cle)) return c.indice - 1;
        }
    }

    // Indice de la clé et vrai quand elle vient d'être ajoutée avec nouvelIndice (l'appelant
    // ajoute alors l'entrée à cet indice).
    template <typename Entree>
    std::pair<std::uint32_t, bool> inserer(const CleEnregistrement& cle, const std::vector<Entree>& entrees,
                                           std::uint32_t nouvelIndice) {
        return inserer(cle, hacher(cle), entrees, nouvelIndice);
    }
    // Même chose avec la valeur de hachage de la clé déjà calculée (hacher(cle)).
    template <typename Entree>
    std::pair<std::uint32_t, bool> inserer(const CleEnregistrement& cle, std::size_t h,
                                           const std::vector<Entree>& entrees, std::uint32_t nouvelIndice) {
        if ((taille_ + 1) * 4 > cases_.size() * 3) agrandir(cases_.empty() ? kCasesMin : cases_.size() * 2, entrees);
        Case cible = Case::de(cle, nouvelIndice);
        std::size_t i = h & masque_;
        for (;; i = (i + 1) & masque_) {
            const Case& c = cases_[i];
            if (c.indice == 0) break;
            if (c.meme(cible) && (cible.longueur <= kEnLigne || entrees[c.indice - 1].cle == cle))
                return {c.indice - 1, false};
        }
        cases_[i] = cible;
        ++taille_;
        return {nouvelIndice, true};
    }

    // Place pour `nombre` clés sans agrandir : chaque doublement d'un gros index recopiait toutes
    // ses clés dans une table neuve, au milieu du balayage.
    template <typename Entree>
    void reserver(std::size_t nombre, const std::vector<Entree>& entrees) {
        std::size_t cases = cases_.empty() ? kCasesMin : cases_.size();
        while (nombre * 4 > cases * 3) cases *= 2;
        if (cases > cases_.size()) agrandir(cases, entrees);
    }

private:
    static constexpr std::size_t kEnLigne = 11;
    static constexpr std::size_t kCasesMin = 1024;

    struct Case {
        std::uint32_t indice = 0;  // indice + 1 ; 0 : case vide
        std::uint8_t longueur = 0;
        std::uint8_t octets[kEnLigne] = {};

        // Les octets de la case au-delà de la clé restent nuls, comme dans la clé.
        static Case de(const CleEnregistrement& cle, std::uint32_t indice) {
            Case c;
            c.indice = indice + 1;
            c.longueur = static_cast<std::uint8_t>(cle.octets().size());
            std::memcpy(c.octets, cle.octetsComplets(), kEnLigne);
            return c;
        }
        // Même longueur et mêmes premiers octets (toute la clé quand elle tient dans la case) :
        // une comparaison de taille fixe, sans appel.
        bool meme(const Case& cible) const { return std::memcmp(&longueur, &cible.longueur, 1 + kEnLigne) == 0; }
    };
    static_assert(sizeof(Case) == 16);

    static std::size_t hacher(std::string_view o) { return hacherCourt(o); }

    // nombre : une puissance de deux.
    template <typename Entree>
    void agrandir(std::size_t nombre, const std::vector<Entree>& entrees) {
        std::vector<Case> anciennes = std::move(cases_);
        cases_ = {};
        cases_.reserve(nombre);
        conseillerGrandesPages(cases_.data(), nombre * sizeof(Case));
        cases_.assign(nombre, Case{});
        masque_ = nombre - 1;
        for (const Case& c : anciennes) {
            if (c.indice == 0) continue;
            const std::string_view o = c.longueur <= kEnLigne
                                           ? std::string_view(reinterpret_cast<const char*>(c.octets), c.longueur)
                                           : entrees[c.indice - 1].cle.octets();
            std::size_t i = hacher(o) & masque_;
            while (cases_[i].indice != 0) i = (i + 1) & masque_;
            cases_[i] = c;
        }
    }

    std::vector<Case> cases_;
    std::size_t masque_ = 0;
    std::size_t taille_ = 0;
};

}  // namespace lignara
