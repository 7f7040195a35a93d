#pragma once
// Relevé de la liste éclair : pour chaque patronyme, les lieux (ou zones) où il paraît, avec la
// première et la dernière année. Les personnes sont parcourues dans l'ordre de l'index des noms,
// un patronyme étant la suite des personnes de même clé de nom ; chaque naissance, décès et
// mariage (de chacune de ses unions) qui a une date et un lieu compte : une date « entre deux
// années » donne ses deux années, une autre son année.
//
// Lieu d'un événement :
//   - sans classement : le texte lisible du lieu jusqu'à sa première virgule ; un lieu réduit à
//     son code (un pays seul) prend le nom de son pays ; sans aucun nom, « Autres lieux » ;
//   - avec le classement par zone géographique : un lieu de France avec son département prend le
//     nom du département, un lieu d'un autre pays que le pays par défaut le nom du pays ; tout
//     lieu qui n'aurait que son propre nom (pays par défaut sans département, lieu sans code)
//     est rangé sous « Autres lieux », toujours, même quand son nom est celui d'une zone.
// Les lieux d'un patronyme sont triés par leur texte, « Autres lieux » en dernier.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"
#include "gedcom/LieuCodePays.h"

namespace lignara {

struct LieuEclair {
    std::string lieu;  // Windows-1252 ; vide : « Autres lieux »
    std::int16_t premiere = 0;
    std::int16_t derniere = 0;
};

struct PatronymeEclair {
    std::string nom;  // tel que l'écrit la première personne du patronyme dans l'index
    std::vector<LieuEclair> lieux;
};

struct ReglesEclair {
    const BaseGenealogique* base = nullptr;
    const IndexNoms* index = nullptr;
    bool parZone = false;
    CodePays paysParDefaut{"FR"};
    // Statuts vitaux par personne ; nul : les contemporains comptent.
    const std::vector<char>* statutsVitaux = nullptr;
};

// Patronymes dans l'ordre de l'index ; ceux qui n'ont aucun événement daté et situé n'y sont pas.
std::vector<PatronymeEclair> releverListeEclair(const ReglesEclair& regles);

// Clé de lieu d'un texte de la table des lieux (code de trois octets compris) ; vide : « Autres
// lieux ».
std::string lieuEclair(const std::string& texteLieu, bool parZone, CodePays paysParDefaut);

}  // namespace lignara
