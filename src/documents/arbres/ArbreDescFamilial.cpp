#include "documents/arbres/ArbreDescFamilial.h"

namespace lignara {

void ArbreDescFamilial::creerRacine() { creerCouple(mari_, femme_, fiche_); }

}  // namespace lignara
