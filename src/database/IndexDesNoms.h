#pragma once
// Construction, à l'ouverture d'un fichier, de l'index des noms et de l'index phonétique.
// Chaque nom distinct de la base (même réf.) n'est lu et mis en clés qu'une fois ; les noms
// passent par les transformations d'affichage installées sur la base, sans effet sur les clés.
// Une réf. hors de sa table lève DonneesCorrompues ; le manque de mémoire, std::bad_alloc.
#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"
#include "database/IndexPhonetique.h"

namespace lignara {

struct IndexDesNoms {
    IndexNoms noms;
    IndexPhonetique phonetique;
};

IndexDesNoms construireIndexDesNoms(const BaseGenealogique& base);

}  // namespace lignara
