#pragma once
// Ce que les documents en arbre partagent au-dessus de Document : préférences et réglages de
// dessin, style des boîtes (thème, au besoin tiré au sort par l'horloge du document), fond
// chronologique (tables dérivées, chronologie chargée pour les années de l'arbre, place
// réservée à gauche à ses libellés), coloration et étirement horizontal.
//
// Ordre d'emploi dans preparer() : preparerStyle, preparerChronologie, preparerColoration, puis
// la mise en page de l'arbre, puis chargerChronologie quand ses années sont connues.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "database/TablesDerivees.h"
#include "documents/Document.h"
#include "documents/arbres/Coloration.h"
#include "documents/arbres/TraceBoites.h"
#include "render/ReglagesDessin.h"
#include "reference/Chronologie.h"
#include "reglages/Configuration.h"

namespace lignara {

class Arbre : public Document {
public:
    explicit Arbre(const Afficheur& type);
    ~Arbre() override;

    // Variantes des compteurs d'usage : simple, chronologique, chromatique, les deux.
    std::size_t varianteCompteur() const override { return (chronologique_ ? 1u : 0u) + (coloration_ ? 2u : 0u); }

    bool chronologique() const { return chronologique_; }
    bool chromatique() const { return coloration_.has_value(); }
    std::uint8_t theme() const { return style_.theme; }
    std::int32_t decalageChronologie() const { return decalageChronologie_; }

protected:
    // Préférences du contexte (ou par défaut), réglages de dessin, style des boîtes.
    void preparerStyle(const ContexteDocument& contexte);
    // Fond de page demandé : tables dérivées attendues, années estimées gardées. Quand aucune
    // des racines n'a d'année estimée, le message et un arbre ordinaire.
    void preparerChronologie(const ContexteDocument& contexte, std::span<const std::uint32_t> racines);
    // Coloration du critère déclaré, quand la liste de la sorte d'arbre l'offre.
    void preparerColoration(const ContexteDocument& contexte, const ParametreDeclare& critere,
                            SorteArbreChromatique sorte, std::span<const std::uint32_t> racines);
    // Tables dérivées du contexte (attendues), ou calculées ici une fois quand il n'en donne pas.
    const TablesDerivees& tablesDerivees(const ContexteDocument& contexte);
    // Charge la chronologie pour les années d'avant maintenant [avantBas, avantHaut] et réserve
    // la largeur de ses libellés (decalageChronologie) ; faux, après le message, quand elle
    // n'existe pas.
    bool chargerChronologie(const ContexteDocument& contexte, int avantBas, int avantHaut);
    std::int16_t etirement() const;  // pour cent, 10 à 200
    // Espace minimal s entre deux boîtes, dans ses bornes même sur des réglages abîmés.
    std::int32_t espaceMinimal() const;

    Configuration preferences_;
    ReglagesDessin dessin_;
    StyleBoites style_;
    std::optional<Coloration> coloration_;
    std::optional<Chronologie> chronologie_;
    std::string nomChronologie_;
    std::vector<std::int16_t> anneesEstimees_;
    bool chronologique_ = false;
    std::int32_t decalageChronologie_ = 0;  // c : largeur réservée à gauche aux libellés

private:
    std::optional<TablesDerivees> tablesLocales_;
};

}  // namespace lignara
