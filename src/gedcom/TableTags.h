#pragma once
// Table de tags : entrées de 6 octets triées (tag complété de zéros sur 5 octets, puis son
// code) ; les octets se comparent exactement : les tags sont sensibles à la casse. Chaque passe de lecture a sa table ;
// un tag absent donne CodeTag::Inconnu.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "gedcom/CodeTag.h"

namespace lignara {

struct EntreeTag {
    char tag[5];
    std::uint8_t code;
};
static_assert(sizeof(EntreeTag) == 6);

class TableTags {
public:
    // Table des tags nommés (chacun doit avoir un code fixe) ; l'ordre donné est sans importance.
    explicit TableTags(std::initializer_list<std::string_view> tags);

    CodeTag chercher(std::string_view tag) const;
    std::size_t taille() const { return entrees_.size(); }
    const EntreeTag* entrees() const { return entrees_.data(); }

    // Passe de balayage de l'import (29 tags).
    static const TableTags& balayage();
    // Passe de construction : enregistrement d'individu (19 tags) et de famille (6 tags).
    static const TableTags& individu();
    static const TableTags& famille();
    // Relecture d'un individu par les documents et la consultation (RelectureIndividu) :
    // événements que la base ne garde pas et leurs lignes de niveau 2 et 3.
    static const TableTags& consultation();

private:
    std::vector<EntreeTag> entrees_;
    // Recherche : table de hachage à adressage ouvert sur les tags en entiers (0 : case vide) ;
    // au plus 64 tags par table, il reste toujours une case vide.
    struct CaseTag {
        std::uint64_t cle = 0;
        std::uint8_t code = 0;
    };
    static constexpr std::size_t kCases = 64;
    std::array<CaseTag, kCases> cases_{};
};

}  // namespace lignara
