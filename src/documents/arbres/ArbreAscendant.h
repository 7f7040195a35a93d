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
#include <optional>

#include "documents/ParametresCommuns.h"
#include "documents/arbres/Arbre.h"
#include "documents/arbres/ArbreDeBoites.h"
#include "documents/arbres/Coloration.h"
#include "documents/arbres/TraceBoites.h"

namespace lignara {

class PageWeb;
class SurfacePdf;

inline constexpr const char* kChoixStyleAscendant[] = {"classique", "par couple d'ascendants"};
inline constexpr ParametreDeclare kStyleAscendant{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Style", .choix = kChoixStyleAscendant};

class ArbreAscendant : public Arbre {
public:
    static constexpr std::uint8_t kCodeIndividuel = 1;
    static constexpr std::uint8_t kCodeFamilial = 38;

    static constexpr const ParametreDeclare* kParametresIndividuel[] = {
        &kRacine,
        &kNomRacine,
        &kFondDePage,
        &kFormat,
        &kStyleAscendant,
        &kCritereColoration<SorteArbreChromatique::AscendantIndividuel>,
        &kSuppressionNonColorees,
        &kCoupesArbre,
        &kLimiteGenerations};
    static constexpr const ParametreDeclare* kParametresFamilial[] = {
        &kRacine,
        &kNomRacine,
        &kConjoint,
        &kFondDePage,
        &kFormat,
        &kStyleAscendant,
        &kCritereColoration<SorteArbreChromatique::AscendantFamilial>,
        &kSuppressionNonColorees,
        &kCoupesArbre,
        &kLimiteGenerations};

    explicit ArbreAscendant(const Afficheur& type);
    ~ArbreAscendant() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Le conjoint désigne la famille du familial.
    bool familial() const { return type().declare(kConjoint); }
    SorteArbreChromatique sorte() const;
    // Critère de coloration de la variante.
    const ParametreDeclare& critere() const;

    // Après preparer() : l'arbre placé et ce que la préparation a décidé.
    const ArbreDeBoites& arbre() const { return arbre_; }

private:
    bool verifierCouple(const ContexteDocument& contexte);
    void construire(const ContexteDocument& contexte);
    void installerChronologie(const ContexteDocument& contexte);
    void ecrirePdf();
    void dessinerSignature(SurfacePdf& surface) const;
    void ecrireWeb();

    ArbreDeBoites arbre_;
    bool parCouple_ = false;
    int anneeReference_ = 0;
    std::int32_t decalageVertical_ = 0;                       // montée des boîtes d'un arbre familial classique
    std::int32_t hauteurArbre_ = 0;                           // sans la légende
    std::uint32_t mari_ = 0, femme_ = 0, mariageCouple_ = 0;  // arbre familial
};

}  // namespace lignara
