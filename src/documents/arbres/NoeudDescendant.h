#pragma once
// Une boîte d'arbre de descendants : une personne (boîte de personne) ou le conjoint qui la
// suit dans sa rangée (boîte de conjoint). Une boîte de personne et ses boîtes de conjoint
// forment un couple, qui se place d'un bloc ; les enfants d'une famille sont dans la rangée
// suivante, consécutifs, sous la boîte de la famille : celle du conjoint, ou celle de la
// personne quand le conjoint est inconnu (toutes ses familles sans conjoint ensemble).
// Les boîtes appartiennent aux rangées de l'arbre (RangeesDeBoites) ; les liens ne possèdent
// rien.
//
// Pendant la mise en page, position est le haut de la boîte compté vers le bas depuis le haut
// de l'arbre (rangée r : r × 1408 + 1) et barre la hauteur, comptée de même, du palier de ses
// enfants. Le y de BoiteArbre (vers le haut) n'est fixé qu'à l'écriture.
#include <cstdint>
#include <vector>

#include "documents/arbres/BoiteArbre.h"

namespace lignara {

struct NoeudDescendant : BoiteArbre {
    NoeudDescendant* parent = nullptr;      // boîte du parent par qui la personne descend
    NoeudDescendant* partenaire = nullptr;  // boîte de conjoint : la personne qu'elle épouse
    NoeudDescendant* precedent = nullptr;   // même rangée
    NoeudDescendant* suivant = nullptr;
    // Boîte de famille : boîtes du premier et du dernier enfant de ses familles dessinées.
    NoeudDescendant* premierEnfant = nullptr;
    NoeudDescendant* dernierEnfant = nullptr;

    // Boîte de famille : familles dont les enfants sont dessinés, chacune par sa fiche et son
    // premier enfant (qui l'identifie) ; premier enfant de la première famille laissée sans
    // enfants dessinés (marque « descendants non dessinés », 0 : aucune).
    struct FamilleDessinee {
        std::uint32_t fiche = 0;
        std::uint32_t premierEnfant = 0;
    };
    std::vector<FamilleDessinee> familles;
    std::uint32_t familleNonDessinee = 0;
    // Boîte de personne : nombre de ses familles dont les enfants sont dessinés.
    std::uint16_t famillesDessinees = 0;
    bool conjoint = false;
    std::int32_t branche = -1;  // valeur de branche (« Branche descendante »), −1 : aucune

    std::int32_t position = 0;
    std::int32_t plancher = 0;  // position la plus haute permise (sous les parents)
    std::int32_t barre = 0;
    // Placement : rang du couple de la boîte, et numéros de parcours de ce couple dans l'arbre
    // des couples (un couple en contient un autre quand ses numéros encadrent les siens).
    std::uint32_t couple = 0;
    std::uint32_t entree = 0, sortie = 0;

    // Premier enfant de la première famille dessinée, 0 : aucune.
    std::uint32_t famille() const { return familles.empty() ? 0 : familles.front().premierEnfant; }
    bool aEnfants() const { return premierEnfant != nullptr; }
    // Boîte de personne du couple.
    NoeudDescendant& tete() { return conjoint && partenaire ? *partenaire : *this; }
    const NoeudDescendant& tete() const { return conjoint && partenaire ? *partenaire : *this; }
};

}  // namespace lignara
