#pragma once
// Lien de parenté écrit en texte (Windows-1252, lignes terminées par '\n') : les deux personnes,
// l'ancêtre commun, le sommet, puis la grille rangée par rangée en quatre colonnes (première
// lignée, conjoint, seconde lignée, conjoint). Une personne inconnue s'écrit « ? ».
#include <string>

#include "database/BaseGenealogique.h"
#include "parente/LienParente.h"

namespace lignara {

std::string texteLienParente(const BaseGenealogique& base, const LienParente& lien);

}  // namespace lignara
