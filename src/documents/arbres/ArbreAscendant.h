#pragma once
// Arbre ascendant individuel (type 1) et familial (type 38) : les ascendants d'une personne, ou
// des deux membres d'un couple, en boîtes reliées, une rangée par génération, la racine en bas.
// Paramètres, déclarés ci-dessous dans l'ordre de la signature : racine et son nom, [conjoint
// du familial], chronologie de fond (vide : pas chronologique), format (PDF ou Web), style,
// critère de coloration (255 : aucun), « Suppression des branches non colorées », coupes et
// « Couper toutes les branches au-delà de » N générations (0 : aucune limite).
//
// Déroulement : préparation (chronologie, coloration), construction, élagage, textes,
// placement, puis écriture PDF ou Web. Rien n'est lu de la base pendant l'écriture.
#include <cstdint>
#include <memory>
#include <optional>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/arbres/ArbreDeBoites.h"
#include "documents/arbres/Coloration.h"
#include "documents/arbres/TraceBoites.h"
#include "render/ReglagesDessin.h"
#include "reference/Chronologie.h"
#include "reglages/Configuration.h"

namespace lignara {

class PageWeb;
class SurfacePdf;

inline constexpr const char* kChoixStyleAscendant[] = {"classique", "par couple d'ascendants"};
inline constexpr ParametreDeclare kStyleAscendant{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Style", .choix = kChoixStyleAscendant};

class ArbreAscendant : public Document {
public:
    static constexpr std::uint8_t kCodeIndividuel = 1;
    static constexpr std::uint8_t kCodeFamilial = 38;

    static constexpr const ParametreDeclare* kParametresIndividuel[] = {
        &kRacine, &kNomRacine, &kFondDePage, &kFormat, &kStyleAscendant,
        &kCritereColoration<SorteArbreChromatique::AscendantIndividuel>, &kSuppressionNonColorees,
        &kCoupesArbre, &kLimiteGenerations};
    static constexpr const ParametreDeclare* kParametresFamilial[] = {
        &kRacine, &kNomRacine, &kConjoint, &kFondDePage, &kFormat, &kStyleAscendant,
        &kCritereColoration<SorteArbreChromatique::AscendantFamilial>, &kSuppressionNonColorees,
        &kCoupesArbre, &kLimiteGenerations};

    explicit ArbreAscendant(const Afficheur& type);
    ~ArbreAscendant() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;
    std::size_t varianteCompteur() const override { return (chronologique_ ? 1u : 0u) + (coloration_ ? 2u : 0u); }

    // Le conjoint désigne la famille du familial.
    bool familial() const { return type().declare(kConjoint); }
    SorteArbreChromatique sorte() const;
    // Critère de coloration de la variante.
    const ParametreDeclare& critere() const;

    // Après preparer() : l'arbre placé et ce que la préparation a décidé.
    const ArbreDeBoites& arbre() const { return arbre_; }
    bool chronologique() const { return chronologique_; }
    bool chromatique() const { return coloration_.has_value(); }
    std::uint8_t theme() const { return style_.theme; }
    std::int32_t decalageChronologie() const { return decalageChronologie_; }

private:
    bool verifierCouple(const ContexteDocument& contexte);
    void preparerChronologie(const ContexteDocument& contexte);
    void construire(const ContexteDocument& contexte);
    void installerChronologie(const ContexteDocument& contexte);
    std::int16_t etirement() const;  // pour cent, 10 à 200
    void ecrirePdf();
    void dessinerRangee(SurfacePdf& surface, int rangee) const;
    void dessinerSignature(SurfacePdf& surface) const;
    void ecrireWeb();

    Configuration preferences_;
    ReglagesDessin dessin_;
    StyleBoites style_;
    ArbreDeBoites arbre_;
    std::optional<Coloration> coloration_;
    std::optional<Chronologie> chronologie_;
    std::string nomChronologie_;
    std::vector<std::int16_t> anneesEstimees_;
    bool chronologique_ = false;
    bool parCouple_ = false;
    int anneeReference_ = 0;
    std::int32_t decalageChronologie_ = 0;  // c : largeur réservée à gauche aux libellés
    std::int32_t decalageVertical_ = 0;     // montée des boîtes d'un arbre familial classique
    std::int32_t hauteurArbre_ = 0;         // sans la légende
    std::uint32_t mari_ = 0, femme_ = 0, mariageCouple_ = 0;  // arbre familial
};

}  // namespace lignara
