#pragma once
// Degrés de parenté autour d'une personne : parcours en largeur par les liens de père, de mère,
// de conjoint et d'enfant ; le degré d'un parent est le nombre de ces liens sur le plus court
// chemin (un cousin germain au 4e degré, un conjoint au 1er).
//
// Sang et alliance : un chemin de sang monte vers un ancêtre commun puis descend, sans lien de
// conjoint ; tout autre chemin est d'alliance, et l'alliance se transmet à qui est atteint
// depuis un allié (beaux-parents, enfants du conjoint, autre parent d'un descendant). Le degré
// est celui du plus court chemin ; la personne est alliée quand aucun chemin de sang n'est
// aussi court. Sans alliances, seuls les chemins de sang comptent, avec leur propre degré.
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"

namespace lignara {

struct DegreParente {
    std::uint32_t personne = 0;
    std::uint16_t degre = 0;
    bool ligneDirecte = false;  // ascendant direct de la racine (chemin qui ne fait que monter)
    bool alliance = false;      // aucun chemin de sang de ce degré
};

// Rend, dans l'ordre du parcours, toutes les personnes atteintes sauf la racine elle-même
// (qui n'est jamais listée). degreMax 0 : sans limite ; une personne au-delà n'est ni listée
// ni développée. visites reçoit la racine et les personnes listées ; il doit couvrir la base.
// Sans alliances, seules les personnes de sang, chacune à son degré de sang.
std::vector<DegreParente> parcourirDegresParente(const BaseGenealogique& base, std::uint32_t racine,
                                                 std::uint16_t degreMax, EnsemblePersonnes& visites,
                                                 bool alliances = true);

}  // namespace lignara
