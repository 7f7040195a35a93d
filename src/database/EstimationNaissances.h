#pragma once
// Estimation de l'année de naissance de chaque personne : un intervalle d'années par personne,
// tiré de ses dates (naissance, premier mariage, décès), rétréci par passes successives à
// partir de ceux des parents, frères et sœurs, conjoints et premiers enfants, puis réduit à
// une année (9999 : aucune estimation).
//
// Convergence : une borne basse ne fait que monter et une borne haute que descendre, sans se
// croiser ; dès la dixième passe, un intervalle ouvert d'un côté est fermé sur son autre borne.
// Les passes s'arrêtent donc d'elles-mêmes, même quand des liens de parenté forment une boucle
// (une personne ancêtre d'elle-même fait monter ses bornes jusqu'à les rejoindre). Pour borner
// aussi le temps dans ce cas, on s'arrête après kPassesMax passes : les intervalles atteints
// sont gardés, seulement moins étroits qu'au terme du calcul.
//
// Seules les personnes dont un proche (ou elles-mêmes) a changé depuis leur dernier passage
// sont reprises, dans le même ordre que si toutes l'étaient : reprendre une personne dont rien
// n'a bougé ne change rien, sauf à la dixième passe (clôture), qui reprend tout le monde.
// Le résultat est ainsi celui des passes complètes, et une boucle qui ne touche que quelques
// personnes ne coûte que ces personnes à chaque passe.
//
// Calcul pur : ne lit que les tableaux donnés, qui doivent vivre autant que l'objet ;
// appelable depuis n'importe quel thread.
#include <cstdint>
#include <vector>

#include "database/IntervalleAnnees.h"
#include "database/LiensFamiliaux.h"

namespace lignara {

class EstimationNaissances {
public:
    static constexpr int kPassesMax = 1000;
    static constexpr std::int16_t kAucuneAnnee = 9999;
    // Dès cette passe, un intervalle ouvert d'un côté se ferme sur l'autre.
    static constexpr int kPasseDeCloture = 10;

    // Complet : chaque passe reprend toutes les personnes (sert à vérifier le parcours ciblé).
    enum class Parcours { Cible, Complet };

    // evenements et mariages : un intervalle par numéro d'événement et de fiche Famille.
    EstimationNaissances(const LiensFamiliaux& liens, const std::vector<IntervalleAnnees>& evenements,
                         const std::vector<IntervalleAnnees>& mariages, Parcours parcours = Parcours::Cible);

    // Passe initiale, puis passes de propagation jusqu'à ce qu'aucune ne change rien.
    void calculer();
    void passeInitiale();
    // Passe de propagation numéro numero (depuis 1) ; vrai quand une borne a changé.
    bool passe(int numero);

    int passesFaites() const { return passes_; }
    bool arreteeAvantTerme() const { return arretee_; }
    const std::vector<IntervalleAnnees>& intervalles() const { return intervalles_; }
    // AnneeNaissanceEstimee par numéro de personne (indice 0 : kAucuneAnnee).
    std::vector<std::int16_t> annees() const;

private:
    struct Bornes;

    void propager(std::uint32_t personne, int numero, Bornes& b) const;
    void parFamilles(std::uint32_t personne, Bornes& b) const;
    // Rend vrai quand l'intervalle de la personne a changé ; marque alors ceux qui le lisent.
    bool traiter(std::uint32_t personne, int numero);
    void construireLecteurs();
    void marquer(std::uint32_t personne) { aRevoir_[personne / 64] |= std::uint64_t{1} << (personne % 64); }
    void effacer(std::uint32_t personne) { aRevoir_[personne / 64] &= ~(std::uint64_t{1} << (personne % 64)); }
    bool passeCiblee(int numero);

    const LiensFamiliaux& liens_;
    const std::vector<IntervalleAnnees>& evenements_;
    const std::vector<IntervalleAnnees>& mariages_;
    Parcours parcours_;
    std::vector<IntervalleAnnees> intervalles_;
    // Qui lit l'intervalle de chaque personne comme parent, conjoint ou premier enfant (les
    // frères et sœurs se trouvent par l'anneau) : listes bout à bout.
    std::vector<std::uint32_t> debutLecteurs_, lecteurs_;
    std::vector<std::uint64_t> aRevoir_;  // un bit par personne
    int passes_ = 0;
    bool arretee_ = false;
};

}  // namespace lignara
