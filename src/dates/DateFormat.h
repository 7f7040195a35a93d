#pragma once
// Texte court d'une date dans les documents : « ca 3.7.1850 », « ~1850 », « 1850 à 1860 ».
// Le texte est en Windows-1252 ; sa largeur se mesure avec la police du document, que
// l'appelant donne.
#include <cstdint>
#include <string>

#include "dates/DateGed.h"
#include "commun/MetriquePolice.h"

namespace lignara {

// Bits d'options.
enum OptionFormatDate : unsigned {
    FormatCompact = 1,   // « 1850à1860 » ; une date sans année ne s'écrit pas
    FormatJourMois = 2,  // jour et mois avant l'année
    FormatSymboles = 8,  // '<', '>', '~' au lieu de « av », « ap », « ca »
};

struct DateFormatee {
    std::string texte;     // ".." quand la largeur dépasse la limite
    std::int32_t largeur;  // unités de dessin à 10 points
};

// Texte seul, sans limite de largeur.
std::string texteDate(const DateGed& date, unsigned options);

// Texte et largeur dans la police donnée ; « .. » quand le texte dépasse largeurLimite.
DateFormatee FormaterDate(const DateGed& date, unsigned options, std::int32_t largeurLimite,
                          const MetriquePolice& police);

}  // namespace lignara
