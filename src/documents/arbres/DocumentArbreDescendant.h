#pragma once
// Arbre descendant (type 2) : les descendants d'une personne, génération par génération,
// chacun suivi de ses conjoints, les enfants sous le couple de leurs parents ; mise en page par
// ArbreDescIndividuel et PlacementDescendant. Paramètres, déclarés ci-dessous dans l'ordre de
// la signature : racine et son nom, « Arbre agnatique (limité aux branches masculines) »,
// « Affiche les personnes contemporaines », chronologie de fond (vide : pas chronologique),
// format (PDF ou Web), critère de coloration (255 : aucun ; 0 à 8 et « Branche descendante » ;
// « Nb d'apparitions » compte les boîtes de chaque personne dans l'arbre même),
// « Suppression des branches non colorées », coupes et limite de générations.
//
// Déroulement : préparation (chronologie, statuts vitaux, coloration), construction, élagage,
// textes, placement, puis écriture PDF ou Web. Rien n'est lu de la base pendant l'écriture.
#include <cstdint>
#include <memory>
#include <vector>

#include "documents/Controles.h"
#include "documents/ParametresCommuns.h"
#include "documents/arbres/Arbre.h"
#include "documents/arbres/ArbreDescendant.h"
#include "documents/arbres/PlacementDescendant.h"
#include "documents/arbres/TraceDescendant.h"

namespace lignara {

// Sa case suit celle des contemporains (kContemporains, ParametresCommuns.h) dans le numéro,
// et la précède sur la page, qui suit l'ordre de la signature.
inline constexpr ParametreDeclare kAgnatique{.lettre = 'b',
                                             .controle = controle::kPremiereCase + 1,
                                             .libelle = "Arbre agnatique (limité aux branches masculines)",
                                             .defaut = 0};

class DocumentArbreDescendant : public Arbre {
public:
    static constexpr std::uint8_t kCode = 2;

    static constexpr const ParametreDeclare* kParametres[] = {&kRacine,
                                                              &kNomRacine,
                                                              &kAgnatique,
                                                              &kContemporains,
                                                              &kFondDePage,
                                                              &kFormat,
                                                              &kCritereColoration<SorteArbreChromatique::Descendant>,
                                                              &kSuppressionNonColorees,
                                                              &kCoupesArbre,
                                                              &kLimiteGenerations};

    explicit DocumentArbreDescendant(const Afficheur& type);
    ~DocumentArbreDescendant() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer() : l'arbre placé, ses positions passées en y de page, et le bilan de la
    // relaxation.
    const ArbreDescendant& arbre() const { return *arbre_; }
    const BilanPlacement& bilan() const { return bilan_; }
    // Ordonnée de page d'une position de l'arbre (la légende est au-dessus).
    std::int32_t y(std::int32_t position) const { return hauteur - hauteurLegende_ - position; }

private:
    void construire(const ContexteDocument& contexte);
    void colorerParApparitions(const BaseGenealogique& base);
    void installerChronologie(const ContexteDocument& contexte);
    void fixerDimensions();
    TraceDescendant trace() const;
    void ecrirePdf();
    void dessinerSignature(SurfacePdf& surface) const;
    void ecrireWeb();

    ReglesDescendance regles_;
    std::vector<char> statutsVitaux_;
    std::unique_ptr<ArbreDescendant> arbre_;
    BilanPlacement bilan_;
    EnsemblePersonnes renvoyees_;
    std::int32_t hauteurLegende_ = 0;
};

}  // namespace lignara
