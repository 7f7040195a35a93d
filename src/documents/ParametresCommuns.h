#pragma once
// Paramètres que plusieurs familles de documents partagent, déclarés une fois (ParametreDeclare.h).
// Un document les nomme dans la liste de ses paramètres comme les siens ; la tête (kRacine,
// kNomRacine) est dans ParametreDeclare.h, ceux des arbres chromatiques dans arbres/Coloration.h.
#include <vector>

#include "documents/Controles.h"
#include "documents/ListeCoupes.h"
#include "documents/ParametreDeclare.h"

namespace lignara {

// Conjoint des variantes familiales : il désigne la famille.
inline constexpr ParametreDeclare kConjoint{'P', RoleParametre::Conjoint};
// Seconde personne du lien de parenté et son nom.
inline constexpr ParametreDeclare kSeconde{'P', RoleParametre::Seconde};
inline constexpr ParametreDeclare kNomSeconde{'s', RoleParametre::NomSeconde};

// « Format de sortie » : boutons 2091 à 2094, seuls ceux des formats offerts par le type.
inline constexpr ParametreDeclare kFormat{
    .lettre = '1', .role = RoleParametre::Format, .controle = controle::kFormat, .libelle = "Format de sortie"};

// Chronologies livrées, « (aucun) » en tête (le texte rangé est le nom).
std::vector<ChoixParametre> choixChronologies();

// Fond de page d'un arbre chronologique (2051, sous la case « Arbre chronologique » 2050) : le
// nom de la chronologie, vide quand la case n'est pas cochée.
inline constexpr ParametreDeclare kFondDePage{.lettre = 's',
                                              .controle = controle::kFondDePage,
                                              .libelle = "Fond de page",
                                              .choixCalcules = choixChronologies,
                                              .longueurMax = 41};

// « Affiche les personnes contemporaines » (case 2011, cochée au départ) des documents de
// descendants : sans elle, une famille dont le premier enfant est peut-être vivant n'est pas
// suivie.
inline constexpr ParametreDeclare kContemporains{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Affiche les personnes contemporaines", .defaut = 1};

// Page « Coupes » des arbres : les branches coupées (leur libellé est l'invitation en tête de la
// page) et la limite de générations, 0 à 99, 0 voulant dire aucune limite.
inline constexpr ParametreDeclare kCoupesArbre{.lettre = 'L',
                                               .role = RoleParametre::Coupes,
                                               .controle = controle::kListeCoupes,
                                               .libelle = "Entrez les branches à couper dans l'arbre"};
inline constexpr ParametreDeclare kLimiteGenerations{.lettre = '1',
                                                     .role = RoleParametre::LimiteGenerations,
                                                     .controle = controle::kGenerationsCoupes,
                                                     .libelle = "Couper toutes les branches au-delà de",
                                                     .maximum = ListeCoupes::kGenerationsMax};

// « Intègre les conjoints des descendants » (statistiques, frise des générations descendantes) :
// une case cochée au départ, dont l'identifiant dépend de la page qui la montre.
inline constexpr const char* kLibelleConjointsDescendants = "Intègre les conjoints des descendants";
template <int Controle>
inline constexpr ParametreDeclare kConjointsDescendants{
    .lettre = 'b', .controle = Controle, .libelle = kLibelleConjointsDescendants, .defaut = 1};

}  // namespace lignara
