#pragma once
// Construction, à l'ouverture d'un fichier, de l'index des noms et de l'index phonétique.
// Chaque nom distinct de la base (même réf.) n'est lu et mis en clés qu'une fois ; les noms
// passent par les transformations d'affichage installées sur la base, sans effet sur les clés.
// Les entrées se rangent par comptage sur les rangs des clés : linéaire en personnes.
// Une réf. hors de sa table lève DonneesCorrompues ; le manque de mémoire, std::bad_alloc.
//
// En deux temps quand il le faut : l'index des noms d'abord (la liste des personnes en a
// besoin), puis l'index phonétique d'après ce que le premier a lu, éventuellement dans un
// autre thread (il ne lit plus la base).
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"
#include "database/IndexPhonetique.h"

namespace lignara {

struct IndexDesNoms {
    IndexNoms noms;
    IndexPhonetique phonetique;
};

// Ce que l'index phonétique reprend de l'index des noms.
struct PreparationPhonetique {
    struct Textes {
        std::vector<std::string> distincts;         // dans l'ordre de première rencontre
        std::vector<std::uint32_t> deLaPersonne;    // indice du texte ; indice 0 : personne 1
        std::vector<std::uint32_t> rangCleDuTexte;  // rang de sa clé de noms
    };
    Textes noms, prenoms;
    IndexPhonetique::ClesDesNoms clesNoms;  // celles de l'index des noms
};

IndexNoms construireIndexNoms(const BaseGenealogique& base, PreparationPhonetique& suite);
IndexPhonetique construireIndexPhonetique(const PreparationPhonetique& preparation);

// Les deux à la suite.
IndexDesNoms construireIndexDesNoms(const BaseGenealogique& base);

}  // namespace lignara
