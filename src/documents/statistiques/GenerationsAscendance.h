#pragma once
// Comptes de la statistique d'ascendance : pour chaque génération d'ascendants d'une personne
// (1 : elle-même), les personnes distinctes de la génération, par le rôle qui les y fait entrer
// (père : homme, mère : femme ; la racine n'est ni l'un ni l'autre), le nombre de chemins qui y
// mènent depuis la racine, la complétude et la marque d'implexe.
//
// Une personne atteinte par plusieurs enfants de la génération précédente y paraît une fois et
// cumule leurs chemins, qu'elle transmet à son père et à sa mère. Une personne qui paraît dans
// une génération après en avoir occupé une plus proche marque cette génération plus proche
// d'implexe : les mêmes individus y sont comptés dans plusieurs générations. Des cousins mariés
// dont les ancêtres communs reviennent dans une même génération n'en marquent aucune.
//
// Complétude de la génération g : 100 × chemins ÷ 2^(g−1), tronquée. Ni les chemins ni la
// puissance ne débordent : une ascendance de 172 générations reste juste (le nombre de chemins
// rangé est saturé au plus grand entier de 64 bits). Une boucle dans les liens de parenté lève OperationImpossible avec
// le message des boucles avant tout compte.
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara {

struct GenerationAscendance {
    std::uint32_t hommes = 0;
    std::uint32_t femmes = 0;
    std::uint64_t chemins = 0;    // saturé
    std::uint8_t completude = 0;  // pour cent
    bool implexe = false;

    std::uint32_t personnes() const { return hommes + femmes; }
};

struct Ascendance {
    std::vector<GenerationAscendance> generations;  // generations[0] : la racine
    std::uint32_t total = 0;                        // ascendants distincts, racine exclue
    bool implexes = false;                          // au moins une marque
};

Ascendance compterAscendance(const BaseGenealogique& base, std::uint32_t racine);

// 100 × chemins ÷ 2^(generation − 1), tronqué, borné à 100.
std::uint8_t completude(long double chemins, std::size_t generation);

}  // namespace lignara
