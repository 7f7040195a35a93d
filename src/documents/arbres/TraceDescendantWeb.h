#pragma once
// Un arbre de descendants placé en page Web positionnée, par le rédacteur des blocs : chaque
// boîte un bloc, les raccords en traits pointillés d'un pixel (mariage au niveau des hauts,
// familles par une barre au palier des enfants), les textes de mariage dans l'écart. La
// première boîte de chaque personne porte l'ancre « p<numéro> », la personne d'une famille
// vers laquelle une marque renvoie l'ancre « f<premier enfant> » ; une famille dessinée
// ailleurs porte sous son point de départ le renvoi « ∨∨ » vers cette ancre, une famille non
// dessinée un court trait. Mêmes conventions que TraceDescendant : y = haut − position.
#include <cstdint>

#include "commun/MetriquePolice.h"
#include "documents/arbres/TraceDescendant.h"
#include "render/html/RedacteurBlocsWeb.h"

namespace lignara {

// Les rangées de premiereRangee à la dernière.
void ecrireDescendantsWeb(RedacteurBlocsWeb& blocs, const ArbreDescendant& arbre, const TraceDescendant& trace,
                          const MetriquePolice& police, int premiereRangee = 0);

}  // namespace lignara
