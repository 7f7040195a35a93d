#pragma once
// Dessin PDF d'une rangée d'arbre de descendants placé (arbre descendant, moitié basse des
// arbres mixtes, branches de cousins) : d'abord les raccords de toutes ses boîtes, puis les
// boîtes, qui en couvrent les bouts.
//   - une boîte de conjoint est jointe à la boîte de sa gauche par le raccord de mariage, plein
//     derrière la personne (mode 0), en tirets puis plein derrière un autre conjoint (mode 255) ;
//   - une boîte de famille part du milieu de son écart de mariage (ou, personne seule, du bas
//     de sa boîte) : une barre au palier des enfants et un trait vers chacun ; une famille non
//     dessinée ici montre deux chevrons liés à son dessin quand ses enfants sont dessinés
//     ailleurs, sinon un court trait en tirets ;
//   - la personne d'une famille vers laquelle une marque renvoie reçoit la cible du lien, à son
//     coin haut gauche. Liens et cibles ont pour identifiant le premier enfant de la famille.
// Les boîtes ont déjà leur y ; une position (vers le bas) p est à y = haut − p.
#include <algorithm>
#include <cstdint>
#include <span>

#include "database/EnsemblePersonnes.h"
#include "documents/arbres/ArbreDescendant.h"
#include "documents/arbres/TraceBoites.h"
#include "render/SurfacePdf.h"

namespace lignara {

struct TraceDescendant {
    const StyleBoites* style = nullptr;
    const EnsemblePersonnes* dessinees = nullptr;  // familles dont les enfants sont dessinés
    const EnsemblePersonnes* renvoyees = nullptr;  // familles vers lesquelles une marque renvoie
    std::int32_t haut = 0;
    // Boîtes déjà dessinées par ailleurs (la racine d'un arbre mixte, dessinée avec ses
    // ascendants) : leurs raccords sont tracés, pas elles.
    std::span<const NoeudDescendant* const> dejaDessinees;
    // Page Web : personnes dont l'ancre « p<numéro> » est déjà posée (complété) ; nul : aucune.
    EnsemblePersonnes* ancrees = nullptr;

    bool dejaDessinee(const NoeudDescendant* n) const {
        return std::find(dejaDessinees.begin(), dejaDessinees.end(), n) != dejaDessinees.end();
    }

    std::int32_t y(std::int32_t position) const { return haut - position; }
    bool theme0() const { return style->theme == 0 && !style->chromatique; }
};

// Familles marquées non dessinées quelque part et dessinées ailleurs : les renvois de l'arbre.
EnsemblePersonnes famillesRenvoyees(const ArbreDescendant& arbre);

void dessinerRangeeDescendante(SurfacePdf& surface, const NoeudDescendant* premier, const TraceDescendant& trace);

}  // namespace lignara
