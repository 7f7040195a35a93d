#pragma once
// Arbre ascendant individuel (type 1, « Pss111bL1 ») et familial (type 38, « PsPs111bL1 ») :
// les ascendants d'une personne, ou des deux membres d'un couple, en boîtes reliées, une rangée
// par génération, la racine en bas. Paramètres, dans l'ordre de la signature (d = 1 pour le
// familial, qui a le conjoint en 2) :
//   0 racine ; 1 son nom ; [2 conjoint] ; 2+d chronologie de fond (vide : pas chronologique) ;
//   3+d format (0 PDF, 3 Web) ; 4+d style (0 « classique », 1 « par couple d'ascendants ») ;
//   5+d critère de coloration (255 : aucun) ; 6+d « Suppression des branches non colorées » (1) ;
//   7+d coupes ; 8+d « Couper toutes les branches au-delà de » N générations (0 : aucune limite).
//
// Déroulement : préparation (chronologie, coloration), construction, élagage, textes,
// placement, puis écriture PDF ou Web. Rien n'est lu de la base pendant l'écriture.
#include <cstdint>
#include <memory>
#include <optional>

#include "documents/Document.h"
#include "documents/arbres/ArbreDeBoites.h"
#include "documents/arbres/Coloration.h"
#include "documents/arbres/TraceBoites.h"
#include "render/ReglagesDessin.h"
#include "reference/Chronologie.h"
#include "reglages/Configuration.h"

namespace lignara {

class PageWeb;
class SurfacePdf;

class ArbreAscendant : public Document {
public:
    static constexpr std::uint8_t kCodeIndividuel = 1;
    static constexpr std::uint8_t kCodeFamilial = 38;

    explicit ArbreAscendant(const Afficheur& type);
    ~ArbreAscendant() override;

    void initialiserParametres(const ContexteDocument& contexte) override;
    std::vector<OptionDocument> options() const override;
    int parametreFormat() const override { return 3 + static_cast<int>(decalage()); }
    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;
    std::size_t varianteCompteur() const override { return (chronologique_ ? 1u : 0u) + (coloration_ ? 2u : 0u); }

    bool familial() const { return type().code == kCodeFamilial; }
    // Indices des paramètres.
    std::size_t indiceConjoint() const { return 2; }
    std::size_t indiceChronologie() const { return 2 + decalage(); }
    std::size_t indiceStyle() const { return 4 + decalage(); }
    std::size_t indiceCritere() const { return 5 + decalage(); }
    std::size_t indiceElagage() const { return 6 + decalage(); }
    std::size_t indiceCoupes() const { return 7 + decalage(); }
    std::size_t indiceLimite() const { return 8 + decalage(); }

    // Après preparer() : l'arbre placé et ce que la préparation a décidé.
    const ArbreDeBoites& arbre() const { return arbre_; }
    bool chronologique() const { return chronologique_; }
    bool chromatique() const { return coloration_.has_value(); }
    std::uint8_t theme() const { return style_.theme; }
    std::int32_t decalageChronologie() const { return decalageChronologie_; }

private:
    std::size_t decalage() const { return familial() ? 1 : 0; }
    std::uint8_t octet(std::size_t i) const;
    std::string texte(std::size_t i) const;
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

std::unique_ptr<Document> fabriquerArbreAscendant(const Afficheur& type);

}  // namespace lignara
