#pragma once
// Base des cinq statistiques (âges, naissances, professions, sources, ascendance) : une page
// PDF (« Statistiques ») au cadre commun (PageStatistique.h), dont chaque statistique dessine
// le contenu.
//
// Déroulement : preparer() lit les préférences, choisit la population de l'étendue du type
// (octet de variante : 1 complète, 2 ascendante, 3 descendante ; Population.h), fait les
// comptes (calculer, qui lève OperationImpossible avec le message de la statistique quand il
// n'y a rien à montrer) et la mise en page ; ecrire() ne lit plus la base.
//
// La case « Intègre les conjoints des descendants » n'est montrée que par les variantes
// descendantes : les autres gardent sa valeur cachée.
#include <cstdint>
#include <optional>
#include <string>

#include "database/EnsemblePersonnes.h"
#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/Population.h"
#include "documents/statistiques/PageStatistique.h"
#include "render/ReglagesDessin.h"
#include "reglages/Configuration.h"

namespace lignara {

class SurfacePdf;

// « Intègre les conjoints des descendants » (ParametresCommuns.h) : la case des pages « _D_ », ou
// la valeur cachée des autres variantes.
inline constexpr ParametreDeclare kConjointsCaches{.lettre = 'b', .defaut = 1};

class Statistique : public Document {
public:
    static constexpr const char* kTitrePdf = "Statistiques";

    explicit Statistique(const Afficheur& type) : Document(type) {}

    // Une étendue ascendante ou descendante demande sa personne de tête.
    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) final;
    void ecrire() final;

    // Étendue de la population ; rien pour la statistique d'ascendance.
    std::optional<EtenduePopulation> etendue() const { return etendueDeVariante(type().variante); }
    bool conjointsDesDescendants() const;

    // Après preparer().
    const std::string& titre() const { return titre_; }
    const std::string& sousTitre() const { return sousTitre_; }
    const PageStatistique& page() const { return page_; }

protected:
    // Comptes sur la base, messages des statistiques vides ; fixe titre_ et, au besoin, sousTitre_.
    virtual void calculer(const ContexteDocument& contexte) = 0;
    // Hauteur du contenu sous le cadre et largeur voulue (au moins celle de la page).
    virtual std::int32_t hauteurContenu() const = 0;
    virtual std::int32_t largeurContenu() const { return page_.largeur; }
    // Dessin du contenu, haut étant le y de son bord supérieur.
    virtual void dessiner(SurfacePdf& surface, std::int32_t haut) const = 0;

    // Population de l'étendue du type, et son sous-titre (« Ensemble de toutes les données »…).
    EnsemblePersonnes population(const ContexteDocument& contexte) const;
    std::string sousTitrePopulation(const ContexteDocument& contexte) const;

    Configuration preferences_;
    ReglagesDessin dessin_;
    PageStatistique page_;
    std::string titre_;
    std::string sousTitre_;
};

}  // namespace lignara
