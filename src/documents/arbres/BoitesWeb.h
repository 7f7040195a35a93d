#pragma once
// Pièces Web communes aux arbres : la boîte d'une personne en bloc du rédacteur (fond de la
// coloration, nom à la couleur du sexe) et les lignes d'un texte de mariage.
#include <cstdint>
#include <string>

#include "commun/MetriquePolice.h"
#include "documents/arbres/BoiteArbre.h"
#include "documents/arbres/TraceBoites.h"
#include "render/html/RedacteurBlocsWeb.h"

namespace lignara {

// Bloc de la boîte ; ancre vide : aucune. Les lignes restent celles de la boîte, qui doit vivre
// jusqu'à l'écriture du bloc.
BoiteWeb boiteWeb(const BoiteArbre& n, const StyleBoites& style, std::string ancre);

// Lignes du texte de mariage de porteur centrées sur centre, la k-ième à m − 176 × k.
void ecrireTexteMariageWeb(RedacteurBlocsWeb& blocs, const MetriquePolice& police, const BoiteArbre& porteur,
                           std::int32_t centre, std::int32_t m);

}  // namespace lignara
