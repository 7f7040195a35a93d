#pragma once
// Générations d'ascendants ou de descendants d'une ou deux racines, en largeur : la génération 0
// est faite des racines, la génération g + 1 des parents (père puis mère) ou des enfants
// (famille par famille, dans l'ordre des frères et sœurs) des personnes de la génération g, dans
// leur ordre.
//
// Deux façons de compter :
//  - une fois chacune (frises individuelles, ascendante, descendante) : une personne déjà prise
//    dans une génération plus proche n'est plus reprise, ni ses ascendants ou descendants par
//    ce chemin ;
//  - par génération (frise des générations) : une personne est dans chaque génération où une
//    lignée la mène, une fois par génération ; celles qui sont dans plusieurs générations sont
//    marquées.
// Les coupes retirent la personne coupée et tout ce qui passe par elle (une racine n'est jamais
// retirée) ; la limite garde les générations 0 à limite (kSansLimite : toutes ; 0 : les racines
// seules, ce que demande une frise limitée à une génération). Avec les conjoints
// (descendants seulement), chaque génération reçoit aussi, après ses membres, leurs conjoints
// qui n'en sont pas déjà.
//
// Garde-fou : des liens de parenté en boucle feraient des générations sans fin dans la seconde
// façon ; au-delà d'autant de générations que de personnes, la boucle est signalée par
// OperationImpossible, avec au plus 20 personnes de la dernière génération.
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"

namespace lignara {

enum class SensGenerations : std::uint8_t { Ascendants, Descendants };

struct ReglesGenerations {
    static constexpr int kSansLimite = -1;
    SensGenerations sens = SensGenerations::Ascendants;
    bool uneFoisChacune = true;
    const EnsemblePersonnes* coupes = nullptr;
    int limite = kSansLimite;
    bool conjoints = false;
};

struct Generations {
    std::vector<std::vector<std::uint32_t>> membres;  // membres[g] : personnes de la génération g
    EnsemblePersonnes multiples;                      // dans plusieurs générations (par génération)

    std::size_t nombrePersonnes() const;
};

Generations collecterGenerations(const BaseGenealogique& base, const std::vector<std::uint32_t>& racines,
                                 const ReglesGenerations& regles);

}  // namespace lignara
