#pragma once
// Arbre mixte individuel (type 3) et familial (type 39) : les ascendants d'une personne (ou des
// deux membres d'un couple) au-dessus d'elle, ses descendants en dessous, sur un seul dessin dont
// la boîte de la racine est commune aux deux moitiés. Paramètres, dans l'ordre de la signature :
// racine et son nom, [conjoint du familial], « Affiche les descendants contemporaines », fond de
// page (vide : pas chronologique), format (PDF ou Web), critère de coloration (255 : aucun ;
// codes 0 à 8), « Suppression des branches non colorées », coupes et limite de générations.
//
// La moitié haute est un arbre ascendant « par couple d'ascendants » (ConstructionAscendante,
// PlacementArbre), la moitié basse un arbre descendant jamais agnatique (ArbreDescIndividuel, ou
// ArbreDescFamilial : le seul couple choisi, ses autres unions restent aux arbres individuels de
// chacun). Les deux partagent les coupes, la limite et l'objet de coloration (une seule légende,
// les mêmes couleurs pour les mêmes valeurs).
//
// Jonction :
//  - la boîte de la racine (les deux boîtes du couple) est celle de la moitié haute, avec les
//    données de l'arbre ascendant ; la moitié basse la place avec cette largeur et ce texte de
//    mariage, pour que ses conjoints et ses enfants tombent juste ;
//  - l'écart horizontal entre les deux racines est repris en décalant vers la droite la moitié
//    qui est à gauche, puis la moitié haute est posée verticalement sur la première rangée de la
//    moitié basse ;
//  - arbre chronologique : l'année du haut de la moitié basse est celle de la racine (du plus âgé
//    du couple), de sorte que les deux échelles du temps coïncident ; un conjoint plus âgé que la
//    racine reste à la hauteur de la racine, car au-dessus d'elle est la moitié haute.
//
// Écriture : la moitié haute entière (raccords et boîtes, la racine comprise), puis la première
// rangée de la moitié basse (raccords de mariage et de familles, boîtes des conjoints), puis ses
// rangées suivantes.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "documents/ParametresCommuns.h"
#include "documents/arbres/Arbre.h"
#include "documents/arbres/ArbreDeBoites.h"
#include "documents/arbres/ArbreDescendant.h"
#include "documents/arbres/Coloration.h"
#include "documents/arbres/TraceDescendant.h"

namespace lignara {

class SurfacePdf;

inline constexpr ParametreDeclare kDescendantsContemporains{.lettre = 'b',
                                                            .controle = controle::kPremiereCase,
                                                            .libelle = "Affiche les descendants contemporaines",
                                                            .defaut = 1};

class ArbreMixte : public Arbre {
public:
    static constexpr std::uint8_t kCodeIndividuel = 3;
    static constexpr std::uint8_t kCodeFamilial = 39;

    static constexpr const ParametreDeclare* kParametresIndividuel[] = {
        &kRacine,
        &kNomRacine,
        &kDescendantsContemporains,
        &kFondDePage,
        &kFormat,
        &kCritereColoration<SorteArbreChromatique::Mixte>,
        &kSuppressionNonColorees,
        &kCoupesArbre,
        &kLimiteGenerations};
    static constexpr const ParametreDeclare* kParametresFamilial[] = {&kRacine,
                                                                      &kNomRacine,
                                                                      &kConjoint,
                                                                      &kDescendantsContemporains,
                                                                      &kFondDePage,
                                                                      &kFormat,
                                                                      &kCritereColoration<SorteArbreChromatique::Mixte>,
                                                                      &kSuppressionNonColorees,
                                                                      &kCoupesArbre,
                                                                      &kLimiteGenerations};

    explicit ArbreMixte(const Afficheur& type);
    ~ArbreMixte() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    bool familial() const { return type().declare(kConjoint); }

    // Après preparer() : les deux moitiés jointes, en coordonnées de page (y vers le haut).
    const ArbreDeBoites& ascendants() const { return ascendants_; }
    const ArbreDescendant& descendants() const { return *descendants_; }
    // Boîtes de la racine dans la moitié haute (une, ou le mari puis la femme).
    std::vector<const NoeudAscendant*> racinesAscendantes() const;
    // Les mêmes dans la première rangée de la moitié basse.
    std::vector<const NoeudDescendant*> racinesDescendantes() const;
    // Hauteur du dessin sans la légende.
    std::int32_t hauteurArbre() const { return hauteurArbre_; }

private:
    bool verifierCouple(const ContexteDocument& contexte);
    void construireAscendants(const ContexteDocument& contexte);
    void construireDescendants(const ContexteDocument& contexte);
    void partagerRacine();
    void joindre();
    void installerChronologie(const ContexteDocument& contexte);
    void fixerDimensions();
    TraceDescendant trace() const;
    void ecrirePdf();
    void dessinerSignature(SurfacePdf& surface) const;
    void ecrireWeb();

    ArbreDeBoites ascendants_;
    ReglesDescendance regles_;
    std::vector<char> statutsVitaux_;
    std::unique_ptr<ArbreDescendant> descendants_;
    std::vector<const NoeudDescendant*> racinesBasses_;
    EnsemblePersonnes renvoyees_;
    int anneeReference_ = 0;            // moitié haute chronologique : année de la position 0
    std::int32_t hautDescendants_ = 0;  // ordonnée de la position 0 de la moitié basse
    std::int32_t hauteurArbre_ = 0;
    std::uint32_t mari_ = 0, femme_ = 0, ficheMari_ = 0, mariageCouple_ = 0;
};

}  // namespace lignara
