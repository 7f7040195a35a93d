#pragma once
// Les événements d'une vie, rangés en quatre bandes, tels que la frise individuelle les dessine.
//
// Sources : la base (naissance, décès, mariages et divorces, parents, conjoints, enfants) et
// l'enregistrement GEDCOM de la personne relu (actes religieux, inhumation, professions,
// domiciles), dont les dates se lisent par LirePeriode (« FROM … TO … »).
//
// Bandes et ordre des événements :
//   personnels : Naissance ; Baptême (BAPM, CHR, CHRA ou BAPL), 1ère communion (FCOM),
//     Confirmation (CONF ou CONL), Bar Mitzvah (BARM), Bat Mitzvah (BASM) ; pour chaque famille
//     qui a un conjoint, un mariage ou un divorce, « Mariage avec » le conjoint (« Mariage » sans
//     conjoint connu) puis « Divorce » ; Ordination (ORDN), Hajj (HAJJ) ; Décès ; Enterrement
//     (BURI). Chaque acte religieux ou inhumation est le premier daté de ses tags.
//   familiaux : décès du père, de la mère, de chaque conjoint ; naissance et décès de chaque
//     enfant, famille par famille dans l'ordre des frères et sœurs.
//   professions : OCCU, et EVEN de TYPE « Occupation », libellés par leur texte ;
//   domiciles : RESI, et EVEN de TYPE « Residence », libellés par leur lieu, sinon leur adresse,
//     sinon les 60 premiers caractères de leur texte.
//
// Un événement est gardé quand son début est connu ; mariages, divorces, professions et
// domiciles le sont aussi sans date. Après les événements personnels, la fenêtre de vie va du
// plus tôt d'entre eux au décès (sa borne haute), ou à ce plus tôt + 36525 jours sans décès ;
// sans naissance datée, elle commence au plus tard 36525 jours avant sa fin ;
// tout événement daté ajouté ensuite doit la toucher (il ne finit pas avant, ne commence pas
// après) et ses bornes y sont ramenées. Rien de personnel n'est daté : pas de fenêtre, et les
// événements datés des proches sont gardés tels quels.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "documents/frises/EvenementFrise.h"
#include "gedcom/RelectureIndividu.h"

namespace lignara {

enum BandeFrise : std::uint8_t { kPersonnels = 0, kFamiliaux, kProfessions, kDomiciles, kNombreBandes };

// Les cinq octets d'options de la frise individuelle, dans l'ordre de sa signature.
struct OptionsFrise {
    bool religieux = true;
    bool familiaux = true;
    bool professions = true;
    bool domiciles = true;
    bool echelleFixe = true;  // 110 ans sur la largeur
};

struct FriseIndividu {
    static constexpr std::int32_t kJours100Ans = 36525;
    static constexpr std::size_t kLibelleDomicileMax = 60;

    std::uint32_t personne = 0;
    std::string nom, prenoms;
    std::array<std::vector<EvenementFrise>, kNombreBandes> bandes;
    PlageJours plage;    // des événements datés gardés
    PlageJours fenetre;  // fenêtre de vie ; vide : pas fixée

    std::size_t nombreEvenements(BandeFrise b) const { return bandes[b].size(); }
};

// Lève DonneesCorrompues sur une fiche illisible, OperationImpossible quand le GEDCOM ne se lit pas.
FriseIndividu construireFrise(const BaseGenealogique& base, RelectureIndividu& relecture, std::uint32_t personne,
                              const OptionsFrise& options);

}  // namespace lignara
