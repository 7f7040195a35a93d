#pragma once
// Une boîte d'arbre d'ascendants : une occurrence dessinée d'une personne, avec ses liens vers
// l'enfant, les parents, les voisines de rangée et les voisines de gauche. Les boîtes
// appartiennent à ArbreDeBoites, qui garde leurs adresses stables ; les liens ne possèdent rien.
//
// Coordonnées de BoiteArbre ; etendue est le plus haut y atteint par les ascendants dessinés de
// la boîte (y + 240 pour une boîte tronquée, dont la pointe monte).
#include <array>
#include <cstdint>

#include "documents/arbres/BoiteArbre.h"

namespace lignara {

struct NoeudAscendant : BoiteArbre {
    char cote = ' ';  // 'M' père de son enfant, 'F' mère, ' ' racine
    std::int32_t etendue = 0;

    NoeudAscendant* enfant = nullptr;
    NoeudAscendant* pere = nullptr;
    NoeudAscendant* mere = nullptr;
    NoeudAscendant* precedent = nullptr;  // même rangée
    NoeudAscendant* suivant = nullptr;
    std::array<NoeudAscendant*, kVoisinsMax> voisins{};
    std::uint8_t nombreVoisins = 0;

    std::uint8_t profondeur = 1;  // générations dessinées de la boîte vers le haut
    bool tronque = false;         // ascendants connus mais non dessinés
    bool invisible = false;       // couple invisible qui porte les deux côtés d'un arbre familial

    bool aParents() const { return pere != nullptr || mere != nullptr; }
};

}  // namespace lignara
