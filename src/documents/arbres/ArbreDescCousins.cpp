#include "documents/arbres/ArbreDescCousins.h"

namespace lignara {

void ArbreDescCousins::creerRacine() { creerCouple(mari_, femme_, fiche_); }

}  // namespace lignara
