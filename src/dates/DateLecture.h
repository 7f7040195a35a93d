#pragma once
// Lecture des dates GEDCOM (forme anglaise de la norme et formes françaises) en DateGed.
//
// Le texte est en Windows-1252, de toute longueur, pas forcément terminé par un zéro : il n'est
// jamais lu au-delà de sa taille. Un échec rend toujours une date absente (six octets nuls) ;
// le message de l'import est alors « format de date incorrect ».
//
// Formes reconnues (casse indifférente) :
//   [@#Dcalendrier@] [CAL|INT] [EST] [BEF|AVANT|AFT|APRES|ABT|VERS|CIRCA] date
//   BET date AND date, ENTRE date ET date (années seules : qualificatif 4)
//   date : année seule, jour/mois/année numériques, mois anglais (JAN…), noms complets ou
//   courts (JANVIER, AOUT, JUIL…), mois républicains (VEND… COMP, « AN » et chiffres romains),
//   suivie au besoin de « B.C. » (ou BC, BCE ; AD et A.D. acceptés sans effet). Un qualificatif
//   peut être suivi d'un point (« ABT. 1850 ») ; une année à double datation (« 1733/34 ») garde
//   sa première année, comme « 11 FEB 1731/32 ». Ce qui suit la date est ignoré ; une année seule
//   doit être en fin de texte ou suivie de AND, ET, de l'ère ou d'une parenthèse (« INT 1850 (…) »).
// L'échappement de calendrier est accepté aussi après le qualificatif, comme l'écrit la norme
// (« AFT @#DFRENCH R@ 1 VEND 1 »). Calendriers : grégorien et julien lus tels quels,
// républicain converti ; hébreu, romain et inconnu refusés plutôt que lus comme grégoriens.
// Dates républicaines : jour 1–30 (jours complémentaires 1–5, 6 les années sextiles), mois 1–13,
// an ≥ 1 ; un mois sans jour donne le mois grégorien qui en contient le milieu ; une année seule
// (sous « @#DFRENCH R@ ») couvre deux années grégoriennes : « entre » l'une et l'autre, « avant »
// la seconde, « après » la première, « vers » la seconde.
#include <string_view>

#include "dates/DateGed.h"

namespace lignara {

// Années gardées : de −9999 à 9999 ; au-delà, échec.
inline constexpr int kAnneeMaximum = 9999;

// Rend faux en cas d'échec ; un texte vide (ou d'espaces) est une date absente lue sans faute. estimeesPermises : passe
// de repérage (« EST 1850 » donne 1850) ; sinon « EST … » donne une date absente et réussit.
bool LireDate(std::string_view texte, bool estimeesPermises, DateGed& date);
// Même lecture par le seul chemin général, sans le raccourci des formes courantes (« 5 SEP
// 1754 », « ABT 1850 »…) : les essais vérifient que le raccourci lit exactement comme lui.
bool LireDateGenerale(std::string_view texte, bool estimeesPermises, DateGed& date);

// « FROM date [TO date] », « TO date » ou une seule date (fin absente). Dates estimées permises.
bool LirePeriode(std::string_view texte, DateGed& debut, DateGed& fin);

}  // namespace lignara
