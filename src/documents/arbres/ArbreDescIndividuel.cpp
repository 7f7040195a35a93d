#include "documents/arbres/ArbreDescIndividuel.h"

namespace lignara {

void ArbreDescIndividuel::creerRacine() { ajouterPersonne(racine_, 0, nullptr, nullptr); }

}  // namespace lignara
