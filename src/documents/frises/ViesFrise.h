#pragma once
// Les vies des personnes pour les frises ascendante, descendante et des générations : bornes de
// vie (BornesVie : naissance, sinon vers le 1er juillet de l'année estimée ; décès, sinon une
// durée type) et barre de chaque personne, et ce que ces frises dessinent de la même façon
// (titre, axe, largeur).
//
// Une personne sans date ni estimation (année estimée 9999) a des bornes inconnues : sa barre
// n'est pas dessinée (elle serait en l'an 9999) et son nom est suivi de « (dates inconnues) ».
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/BornesVie.h"
#include "documents/ContexteDocument.h"
#include "documents/frises/EchelleTemps.h"
#include "documents/frises/EvenementFrise.h"

namespace lignara {

class TraceFrise;

class ViesFrise {
public:
    static constexpr std::int32_t kLigne = 176;
    static constexpr std::int32_t kRangee = 208;
    static constexpr std::int32_t kHauteurBarre = 144;
    static constexpr std::int32_t kHauteurTitre = 4 * kLigne;  // trois lignes et une blanche
    static constexpr std::int32_t kHauteurAxe = 4 * kLigne;    // ligne blanche, axe, années, marge
    static constexpr const char* kDatesInconnues = " (dates inconnues)";

    // Années estimées des tables dérivées du contexte (attendues au besoin), ou calculées ici.
    ViesFrise(const ContexteDocument& contexte, int anneeCourante);

    const BaseGenealogique& base() const { return base_; }
    BornesVie bornes(std::uint32_t personne) const;
    // La vie de la personne en barre : bornes, prénoms et nom, couleur de son sexe.
    EvenementFrise vie(std::uint32_t personne) const;
    // Dates des mariages de la personne (milieu de l'intervalle), dans l'ordre de sa chaîne.
    std::vector<std::int32_t> mariages(std::uint32_t personne) const;
    std::string nom(std::uint32_t personne) const;
    std::string prenoms(std::uint32_t personne) const;

private:
    const BaseGenealogique& base_;
    std::vector<std::int16_t> annees_;
};

// Titre sur deux lignes centrées en haut d'une frise (yHaut : haut du bloc de trois lignes).
void dessinerTitreFrise(TraceFrise& trace, std::int32_t largeur, std::int32_t yHaut, const std::string& titre1252,
                        const std::string& sousTitre1252);
// Axe dans les quatre lignes du bas d'une frise (yBas : bas de la frise), pointillés jusqu'à
// yHaut ; dessiné avant les rangées, qui couvrent ses pointillés.
void dessinerAxeFrise(TraceFrise& trace, const EchelleTemps& echelle, std::int32_t yBas, std::int32_t yHaut);
// Signature en haut à gauche quand le titre en laisse la place.
void signerFrise(TraceFrise& trace, std::int32_t largeur, std::int32_t hauteur, const std::string& titre1252,
                 const std::string& sousTitre1252);

}  // namespace lignara
