#pragma once
// Forme longue d'une date, pour les fenêtres de consultation : le mois en toutes lettres.
//   « 12 janvier 1850 », « 1er mars 1850 », « janvier 1850 », « 1850 », « vers 1850 »,
//   « avant le 12 janvier 1850 », « après 1850 », « entre 1850 et 1860 », « 52 av. J.-C. ».
// Une date GEDCOM relue telle qu'écrite (consultation d'un enregistrement) passe par
// texteDateGedcomLongue : périodes « du … au … », « depuis … », « jusqu'au … » ; une date
// républicaine se montre dans les deux calendriers, « 12 vendémiaire an III (3 octobre 1794) ».
// Textes en Windows-1252.
#include <string>
#include <string_view>

#include "dates/DateGed.h"

namespace lignara {

// Date absente : texte vide.
std::string texteDateLongue(const DateGed& date);

// Texte d'une ligne DATE de GEDCOM ; une date illisible est rendue telle qu'écrite.
std::string texteDateGedcomLongue(std::string_view texte);

}  // namespace lignara
