#pragma once
// Paramètres déclarés des frises (ParametreDeclare.h) : les cinq options de la frise
// individuelle (pages « DIALOG_FI_GENE »), la page « Coupes » des frises individuelles des
// ascendants et des descendants, la limite des frises ascendante et descendante
// (« DIALOG_FAD_GENE ») et les conjoints de la frise des générations descendantes
// (« DIALOG_FGD_GENE », case partagée avec les statistiques).
#include "documents/ParametresCommuns.h"

namespace lignara {

inline constexpr ParametreDeclare kEvenementsReligieux{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Evénements religieux", .defaut = 1};
inline constexpr ParametreDeclare kEvenementsFamiliaux{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Evénements familiaux", .defaut = 1};
inline constexpr ParametreDeclare kProfessionsFrise{
    .lettre = 'b', .controle = controle::kPremiereCase + 2, .libelle = "Professions", .defaut = 1};
inline constexpr ParametreDeclare kDomicilesFrise{
    .lettre = 'b', .controle = controle::kPremiereCase + 3, .libelle = "Domiciles", .defaut = 1};
inline constexpr ParametreDeclare kEchelleFixe{.lettre = 'b',
                                               .controle = controle::kPremiereCase + 4,
                                               .libelle = "Echelle de temps fixe (110 ans sur la largeur de la page)",
                                               .defaut = 1};

// Page « Coupes » des frises individuelles : les branches retirées des frises.
inline constexpr ParametreDeclare kCoupesFrises{.lettre = 'L',
                                                .role = RoleParametre::Coupes,
                                                .controle = controle::kListeCoupes,
                                                .libelle = "Entrez les branches à supprimer des frises"};

// « Limite la frise à » N « générations », 0 : aucune limite.
inline constexpr ParametreDeclare kLimiteFrise{
    .lettre = '1', .controle = controle::kNombre1, .libelle = "Limite la frise à", .maximum = 99};

// « Intègre les conjoints des descendants » de la frise des générations descendantes.
inline constexpr const ParametreDeclare& kConjointsGenerations = kConjointsDescendants<controle::kPremiereCase>;

}  // namespace lignara
