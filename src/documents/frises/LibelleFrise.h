#pragma once
// Libellés et titres des frises.
//
// Libellé d'un événement qui nomme une autre personne : la forme longue suivie des prénoms et du
// nom (« Naissance de » Henri DUPONT), ou la forme courte quand la personne n'a ni prénoms ni
// nom (« Naissance d'un enfant »). Une forme longue finie par « de » devient « d' » devant un
// mot qui commence par A, E, I, O, U, Y ou H (voyelles accentuées comprises, quelle que soit la
// casse) : « Naissance d'Henri ». Une forme longue finie par « ( » reçoit « ) » après les noms.
//
// Titres : « de » ou « d' » devant le nom de famille, d' devant A, E, I, O, U ou Y seulement
// (« Frise chronologique » / « d'ORLÉANS Louis »).
//
// Textes Windows-1252 ; libellé et noms coupés à leurs longueurs d'EvenementFrise.
#include <cstdint>
#include <string>
#include <string_view>

#include "commun/MetriquePolice.h"
#include "documents/frises/EvenementFrise.h"

namespace lignara {

// Vrai quand « de » s'élide devant ce mot ; avecH : H compte (libellés), sinon non (titres).
bool elisionDevant(std::string_view mot, bool avecH);

// Remplit libelle, prenoms, nom et finLibelle de l'événement. formeLongue se termine par une
// espace (« Mariage avec ») ou par « ( ».
void nommerEvenement(EvenementFrise& evenement, std::string_view formeLongue, std::string_view formeCourte,
                     std::string_view prenoms, std::string_view nom);

// « de NOM Prénoms » ou « d'NOM Prénoms » ; sans nom ni prénoms : vide. prefixe précède
// l'article (« et » pour le conjoint : « et de … »).
std::string titreDe(std::string_view nom, std::string_view prenoms, std::string_view prefixe = {});

// Texte de l'événement qui tient dans largeur (unités de dessin) à la taille donnée (points) :
// le texte entier s'il tient, sinon les noms raccourcis par le formateur des noms (prénoms
// d'abord) dans la place que laissent libellé et fin ; sans noms, le libellé coupé avec « .. ».
std::string texteAjuste(const EvenementFrise& evenement, std::int32_t largeur, const MetriquePolice& police,
                        int taillePoints);

// Largeur d'un texte à une taille donnée (points), en unités de dessin.
std::int32_t largeurA(const MetriquePolice& police, std::string_view texte1252, int taillePoints);

}  // namespace lignara
