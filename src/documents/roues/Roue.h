#pragma once
// Base des trois roues (ascendante, descendante, mixte) : réglages des préférences, noms lus à
// la préparation, partage des angles de la partie descendante, dessin en PDF sur une page sans
// étirement horizontal (100), titrée du titre du type. Une roue ne s'écrit qu'en PDF.
//
// Les roues descendante et mixte ont « Affiche les personnes contemporaines » (kContemporains,
// ParametresCommuns.h).
#include <cstdint>
#include <optional>
#include <vector>

#include "documents/Controles.h"
#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/roues/AllocationDescendante.h"
#include "documents/roues/DessinRoue.h"
#include "documents/roues/GeometrieRoue.h"
#include "reglages/Configuration.h"

namespace lignara {

class Roue : public Document {
public:
    explicit Roue(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument&) override { return racine() > 0; }
    void ecrire() override;

    // Après preparer() : ce qui sera dessiné, et si la bande de signature y a sa place.
    const DessinRoue& dessin() const { return dessin_; }
    bool avecSignature() const { return signature_; }
    // Partage des angles de la partie descendante (roues descendante et mixte), après
    // avantFeuille() ou preparer().
    const AllocationDescendante* allocation() const { return allocation_ ? &*allocation_ : nullptr; }

protected:
    // Préférences, réglages de la surface et couleurs des noms ; le dessin repart de rien.
    void preparerReglages(const ContexteDocument& contexte);
    LectureNom lectureNoms(const ContexteDocument& contexte) const;
    // Conjoints connus de la racine, sans les vivants quand « contemporains » est faux.
    std::vector<NomRoue> conjointsRacine(const ContexteDocument& contexte, bool contemporains);
    // Partage des angles pour la racine (refait si la racine a changé), après l'attente des
    // tables dérivées ; le maximum du paramètre d'anneaux devient le nombre d'anneaux qui
    // tiennent (au moins 1).
    const AllocationDescendante& allouer(const ContexteDocument& contexte, double budget,
                                         const ParametreDeclare& anneaux);
    // Nombre d'anneaux descendants demandé, borné de 1 à 15 puis à ceux qui tiennent.
    int anneauxDemandes(const ParametreDeclare& anneaux) const;
    // La bande de signature, quand les préférences la demandent et qu'elle tient hors des
    // disques donnés (rayons autour du centre).
    void placerSignature(std::initializer_list<std::int32_t> rayons);
    // Page de la boîte englobante donnée (autour du centre), une unité de marge de chaque côté.
    void mettreEnPage(const roue::BoiteRoue& boite);
    // Boîte des secteurs de l'éventail descendant placé ; le centre seul sans anneau.
    roue::BoiteRoue boiteEventail() const;

    Configuration preferences_;
    ReglagesDessin reglagesDessin_;
    DessinRoue dessin_;
    bool signature_ = false;
    std::optional<AllocationDescendante> allocation_;
};

}  // namespace lignara
