#pragma once
// Fiches individuelles (types 10, 45, 46 ; « TI_ ») : une fiche pour la personne, ou pour
// chacun de ses ascendants ou descendants (génération par génération, moins les branches
// coupées et au-delà de la limite), en PDF, RTF ou Web. Contenu de chaque fiche : ContenuFiche.h.
//
// Paramètres, dans l'ordre de la signature « Psbbbb1 » (« PsbbbbL11 » avec la page « Coupes ») :
// personne et son nom, « Evénements religieux », « Domiciles », « Photos » (oui), taille des
// photos « Taille normale » ou « Vignettes » (vignettes), [coupes, limite de générations],
// format.
//
// Écriture : le nom en gras, coloré par sexe selon la préférence, la filiation, une
// ligne vide ; les événements (libellé en gras) ; chaque rubrique (religieux, professions,
// domiciles) sous son titre souligné, ses lignes en retrait de 360 (quatre caractères) ; les
// photos à la suite, 1280 unités de haut en vignettes (80 points), 3840 en taille normale
// (240 points), larges au plus de la largeur utile (LargeurUtile.h). Entre deux fiches : un
// filet et un saut de page (RTF « \pagebb\sl-1\par\pard »).
//
// Le GEDCOM réécrit depuis l'ouverture arrête le document avant toute relecture : les
// décalages rangés à l'import y désigneraient d'autres enregistrements.
#include <cstdint>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/fiches/ContenuFiche.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr ParametreDeclare kReligieuxFiche{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Evénements religieux", .defaut = 1};
inline constexpr ParametreDeclare kDomicilesFiche{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Domiciles", .defaut = 1};
inline constexpr ParametreDeclare kPhotosFiche{
    .lettre = 'b', .controle = controle::kPremiereCase + 2, .libelle = "Photos", .defaut = 1};
inline constexpr const char* kChoixTaillePhotos[] = {"Taille normale", "Vignettes"};
inline constexpr ParametreDeclare kVignettesFiche{.lettre = 'b',
                                                  .controle = controle::kGroupe1,
                                                  .libelle = "Taille des photos",
                                                  .defaut = 1,
                                                  .choix = kChoixTaillePhotos};
inline constexpr ParametreDeclare kCoupesFiches{.lettre = 'L',
                                                .role = RoleParametre::Coupes,
                                                .controle = controle::kListeCoupes,
                                                .libelle = "Entrez les branches à supprimer"};

class FicheIndividuelle : public Document {
public:
    static constexpr std::uint8_t kCodeIndividuelle = 10, kCodeAscendants = 45, kCodeDescendants = 46;
    static constexpr const ParametreDeclare* kParametres[] = {
        &kRacine, &kNomRacine, &kReligieuxFiche, &kDomicilesFiche, &kPhotosFiche, &kVignettesFiche, &kFormat};
    static constexpr const ParametreDeclare* kParametresLignees[] = {
        &kRacine,         &kNomRacine,    &kReligieuxFiche,    &kDomicilesFiche, &kPhotosFiche,
        &kVignettesFiche, &kCoupesFiches, &kLimiteGenerations, &kFormat};
    static constexpr std::int32_t kHauteurVignette = 1280, kHauteurNormale = 3840;

    explicit FicheIndividuelle(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer().
    const std::vector<ContenuFiche>& fiches() const { return fiches_; }
    void rediger(FluxRedaction& flux) const;

private:
    std::vector<std::uint32_t> personnes(const ContexteDocument& contexte) const;
    void redigerFiche(FluxRedaction& flux, const ContenuFiche& fiche) const;

    Configuration preferences_;
    ReglagesDessin dessin_;
    std::vector<ContenuFiche> fiches_;
    std::int32_t hauteurPhotos_ = kHauteurVignette;
    std::int32_t largeurPhotos_ = 1;
};

}  // namespace lignara
