#pragma once
// Codes des tags GEDCOM, fixes pour tout le programme : les tables d'états (EtatLecture) et
// les tables de tags les emploient tels quels.
#include <cstdint>

namespace lignara {

enum class CodeTag : std::uint8_t {
    Inconnu = 0,  // absent de la table de tags en cours
    ABBR = 1,
    ADDR = 2,
    ADOP = 3,
    AUTH = 14,
    BAPL = 15,
    BAPM = 16,
    BARM = 17,
    BASM = 18,
    BIRT = 19,
    BURI = 21,
    CAUS = 24,
    CHAR = 27,
    CHIL = 28,
    CHR = 29,
    CHRA = 30,
    CONC = 32,
    CONF = 33,
    CONL = 34,
    CONT = 35,
    DATE = 41,
    DEAT = 42,
    DIV = 46,
    EVEN = 54,
    FAM = 56,
    FAMC = 57,
    FAMS = 59,
    FCOM = 61,
    FILE = 62,
    GIVN = 66,
    HEAD = 68,
    HUSB = 69,
    INDI = 72,
    MARR = 80,
    NAME = 83,
    NICK = 87,
    NOTE = 89,
    OBJE = 92,
    OCCU = 93,
    ORDN = 95,
    PLAC = 99,
    PUBL = 103,
    REPO = 108,
    RESI = 109,
    SEX = 116,
    SOUR = 119,
    SURN = 126,
    TITL = 130,
    TRLR = 131,  // aussi rendu à la fin du fichier
    TYPE = 132,
    WIFE = 134,
    LIEU = 200,
    IMG = 201,  // tag « _IMG »
    HAJJ = 202,
    Commentaire = 250,  // tag choisi par l'utilisateur pour le commentaire (mode 2)
    Quelconque = 255,   // dans une ligne d'état : n'importe quel code
};

}  // namespace lignara
