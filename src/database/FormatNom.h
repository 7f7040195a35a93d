#pragma once
// Forme d'affichage des noms et prénoms quand la gestion automatique des majuscules est active.
// Textes en Windows-1252, transformés en place ; leur longueur ne change jamais.
//
// Deux sortes de mots gardent la casse que le fichier leur donne, parce qu'une règle
// automatique les abîmerait (« Louis Xiv », « Duke Of Cambridge ») :
//  - un chiffre romain écrit en capitales (suite de I V X L C D M qui forme un nombre valide :
//    « XIV », pas « IIII » ni « IC ») ;
//  - une particule écrite en minuscules (de, du, des, d', la, le, les, l', van, von, der, of,
//    and…), sauf en tête des prénoms. Dans le nom, seulement quand le nom porte au moins une
//    capitale : un nom tout en minuscules ne dit rien de la casse voulue (« de la fontaine »
//    devient « de LA FONTAINE »).
#include <string>
#include <string_view>

#include "database/BaseGenealogique.h"

namespace lignara {

// Nom en capitales ; particules de tête de mot (d' d de des du dit) en minuscules, et les
// particules écrites en minuscules le restent : « de la Fontaine » devient « de la FONTAINE »,
// « De La Fontaine » « de LA FONTAINE ».
void FormaterNom(std::string& nom);

// Chaque mot commence par une capitale, la suite en minuscules ; le mot « dit » suivi d'une
// espace reste en minuscules, les chiffres romains en capitales et les particules écrites en
// minuscules restent telles : « jean-PIERRE dit le grand » → « Jean-Pierre dit le Grand »,
// « GEORGE_III » → « George_III », « Duke of cambridge » → « Duke of Cambridge ».
void FormaterPrenoms(std::string& prenoms);

// Suite de I V X L C D M en capitales qui forme un chiffre romain valide (1 à 3999).
bool estChiffreRomain(std::string_view mot);

// Installe (majuscules vraies) ou retire les deux transformations sur les lectures de noms et
// de prénoms de la base. À faire avant que les lectures ne commencent.
void appliquerAffichageNoms(BaseGenealogique& base, bool majuscules);

}  // namespace lignara
