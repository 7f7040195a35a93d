#pragma once
// Frise individuelle (type 42) : les événements d'une vie sur une échelle de temps, en bandes
// (personnels, familiaux, professions, domiciles) ; et frises individuelles des ascendants
// (43) ou des descendants (44) : une frise par personne, de la racine vers les générations
// suivantes, branches coupées retirées, l'une sous l'autre.
//
// Paramètres, dans l'ordre de la signature : racine et son nom, « Evénements religieux »,
// « Evénements familiaux », « Professions », « Domiciles », « Echelle de temps fixe (110 ans
// sur la largeur de la page) » (tous cochés au départ) ; pour 43 et 44, les branches à
// supprimer et « Couper toutes les branches au-delà de » N générations (0 : aucune limite).
//
// Préconditions : le GEDCOM n'a pas été réécrit depuis l'import (ses enregistrements sont relus
// aux décalages rangés dans la base) ; sinon le message le dit et rien n'est écrit. Un GEDCOM
// qui ne s'ouvre plus abandonne le document (« Lecture impossible du fichier Gedcom »).
//
// Géométrie, unités de dessin : la largeur est celle de la zone utile du papier moins les marges
// (A4 paysage pour « Non paginé ») ; une frise a (événements personnels + 8) × 176 de haut, plus
// (événements + 1) × 176 par autre bande non vide : titre sur trois lignes, une ligne blanche,
// les bandes (une rangée de 176 par événement, une ligne entre deux bandes), puis l'axe, ses
// années et une ligne blanche. À gauche, les boîtes grises des bandes (kLargeurBandes) et leur
// filet vert ; l'axe va de kGaucheAxe à la largeur moins la pointe et 90.
// Plusieurs frises : sur papier « Non paginé », l'une sous l'autre, un filet foncé entre deux ;
// sur un format paginé, chacune commence une page, en haut de celle-ci (hauteurSurPages).
#include <cstdint>
#include <vector>

#include "documents/Document.h"
#include "documents/frises/FriseIndividu.h"
#include "documents/frises/ParametresFrises.h"
#include "render/ReglagesDessin.h"

namespace lignara {

class TraceFrise;

class FriseIndividuelle : public Document {
public:
    static constexpr std::uint8_t kCodeIndividuelle = 42;
    static constexpr std::uint8_t kCodeAscendants = 43;
    static constexpr std::uint8_t kCodeDescendants = 44;

    static constexpr std::int32_t kLigne = 176;
    static constexpr std::int32_t kLargeurBandes = 1440;
    static constexpr std::int32_t kGaucheAxe = kLargeurBandes + 180;  // filet à 45, marques entières
    static constexpr std::int32_t kHauteurBarre = 144;

    static constexpr const ParametreDeclare* kParametresIndividuelle[] = {
        &kRacine,           &kNomRacine,      &kEvenementsReligieux, &kEvenementsFamiliaux,
        &kProfessionsFrise, &kDomicilesFrise, &kEchelleFixe};
    static constexpr const ParametreDeclare* kParametresLignee[] = {
        &kRacine,         &kNomRacine,   &kEvenementsReligieux, &kEvenementsFamiliaux, &kProfessionsFrise,
        &kDomicilesFrise, &kEchelleFixe, &kCoupesFrises,        &kLimiteGenerations};

    explicit FriseIndividuelle(const Afficheur& type);
    ~FriseIndividuelle() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    OptionsFrise options() const;
    // Après preparer() : les frises dans l'ordre du document et le haut de chacune.
    const std::vector<FriseIndividu>& frises() const { return frises_; }
    const std::vector<std::int32_t>& hauts() const { return hauts_; }

    // Hauteur d'une frise (voir plus haut).
    static std::int32_t hauteurFrise(const FriseIndividu& frise);

private:
    std::vector<std::uint32_t> personnes(const ContexteDocument& contexte) const;
    void placer();
    void dessinerFrise(TraceFrise& trace, const FriseIndividu& frise, std::int32_t yHaut) const;
    std::int32_t dessinerBande(TraceFrise& trace, const FriseIndividu& frise, BandeFrise bande,
                               const class EchelleTemps& echelle, std::int32_t yHaut) const;

    ReglagesDessin dessin_;
    std::vector<FriseIndividu> frises_;
    std::vector<std::int32_t> hauts_;
};

}  // namespace lignara
