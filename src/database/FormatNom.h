#pragma once
// Forme d'affichage des noms et prénoms quand la gestion automatique des majuscules est active.
// Textes en Windows-1252, transformés en place ; leur longueur ne change jamais.
#include <string>

#include "database/BaseGenealogique.h"

namespace lignara {

// Nom en capitales, particules de tête de mot (d' d de des du dit) en minuscules :
// « De la Fontaine » devient « de LA FONTAINE ».
void FormaterNom(std::string& nom);

// Chaque mot commence par une capitale, la suite en minuscules ; le mot « dit » suivi d'une
// espace reste en minuscules : « jean-PIERRE dit le grand » → « Jean-Pierre dit Le Grand ».
void FormaterPrenoms(std::string& prenoms);

// Installe (majuscules vraies) ou retire les deux transformations sur les lectures de noms et
// de prénoms de la base. À faire avant que les lectures ne commencent.
void appliquerAffichageNoms(BaseGenealogique& base, bool majuscules);

}  // namespace lignara
