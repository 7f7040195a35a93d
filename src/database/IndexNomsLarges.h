#pragma once
// Clé phonétique large (ClePhonetiqueLarge) du nom de chaque entrée de l'index des noms : la
// liste des personnes en mode phonétique et l'option « Phonétique large » de la sélection s'en
// servent. Les entrées qui partagent une clé ne se suivent pas dans l'index : on parcourt.
//
// Construit à la première demande (un nom distinct, même réf., n'est mis en clé qu'une fois : un
// million de personnes en une fraction de seconde) ; lecture seule ensuite. Les clés viennent
// des noms tels qu'écrits, accents compris : Fauré et Faure, de même clé dans l'index des noms,
// ont ici deux clés. Une réf. hors de sa table lève DonneesCorrompues.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"

namespace lignara {

class IndexNomsLarges {
public:
    IndexNomsLarges() = default;
    IndexNomsLarges(const BaseGenealogique& base, const IndexNoms& index);

    std::size_t taille() const { return rangs_.size(); }
    // Rang de la clé large du nom de l'entrée à cette position de l'index des noms.
    std::uint32_t rang(std::size_t position) const { return rangs_[position]; }
    const std::string& cle(std::uint32_t rang) const { return cles_[rang]; }
    std::size_t nombreCles() const { return cles_.size(); }
    const std::string& cleA(std::size_t position) const { return cles_[rangs_[position]]; }

private:
    std::vector<std::uint32_t> rangs_;
    std::vector<std::string> cles_;  // distinctes, dans l'ordre de première rencontre
};

}  // namespace lignara
