#pragma once
// Statistiques sur les naissances (types 23, 24, 25 ; « SN_ ») : nombre de personnes de la
// population par tranche de N années de naissance estimées (TranchesNaissances.h), en courbe.
// Les années estimées sont celles des tables dérivées : le document attend leur calcul.
//
// Page, sous le cadre commun (titre « Statistiques sur les années de naissance » pour N = 1,
// « Statistiques sur les naissances » pour des tranches plus larges) : « ANNEES ESTIMEES DE
// NAISSANCE », puis la zone du tracé, qui part de x = 765 et de y = 528 (au-dessus de la bande
// de signature quand elle est montrée) et prend la page jusqu'au titre ; une ligne brisée joint
// les points (tranche, compte) de toutes les tranches de la plus basse à la plus haute, x
// proportionnel à la tranche, y au compte sur le plus grand compte. Les deux axes portent leurs
// marques et leurs nombres.
//
// Messages : « Statistiques impossibles car aucune date n'est connue » quand aucune personne du
// fichier n'a d'année estimée ; « Graphique vide » quand aucune de la population n'en a ;
// « Données insuffisantes pour effectuer des statistiques » quand toutes tombent dans une même
// tranche.
#include <cstdint>

#include "documents/statistiques/Statistique.h"
#include "documents/statistiques/TranchesNaissances.h"

namespace lignara {

inline constexpr ParametreDeclare kIntervalleNaissances{.lettre = '2',
                                                        .controle = controle::kNombre1,
                                                        .libelle = "Regroupement par intervalles de",
                                                        .defaut = 1,
                                                        .minimum = 1,
                                                        .maximum = 100,
                                                        .unite = "année(s)"};

class StatistiqueNaissances : public Statistique {
public:
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kIntervalleNaissances,
                                                              &kConjointsCaches};
    static constexpr const ParametreDeclare* kParametresDescendants[] = {
        &kRacine, &kNomRacine, &kIntervalleNaissances, &kConjointsDescendants<controle::kPremiereCase>};

    explicit StatistiqueNaissances(const Afficheur& type) : Statistique(type) {}

    // Intervalle du paramètre, borné à 1–100 (un favori peut porter 0).
    int intervalle() const;
    // Après preparer().
    const TranchesNaissances& tranches() const { return tranches_; }

protected:
    void calculer(const ContexteDocument& contexte) override;
    std::int32_t hauteurContenu() const override;
    void dessiner(SurfacePdf& surface, std::int32_t haut) const override;

private:
    void dessinerAxes(SurfacePdf& surface, std::int32_t x0, std::int32_t y0, std::int32_t l, std::int32_t h) const;

    TranchesNaissances tranches_;
};

}  // namespace lignara
