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
// Grandes fratries : pour qu'une famille de cent mille enfants reste linéaire (n log n), les
// frères et sœurs d'un anneau de plus de kGrandeFratrie enfants sont lus dans un arbre de
// segments (SegmentsFratrie) au lieu d'un parcours de l'anneau par personne, et un changement
// n'y marque pas chaque enfant : l'anneau est noté changé, ses enfants qui suivent sont repris
// dans la passe, tous dans la suivante (reprendre une personne de trop ne change rien).
//
// Calcul pur : ne lit que les tableaux donnés, qui doivent vivre autant que l'objet ;
// appelable depuis n'importe quel thread. arreter(), depuis un autre thread, fait s'arrêter le
// calcul à la prochaine passe (l'appelant qui n'attend plus le résultat ne l'attend pas).
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "database/IntervalleAnnees.h"
#include "database/SegmentsFratrie.h"
#include "database/LiensFamiliaux.h"

namespace lignara {

class EstimationNaissances {
public:
    static constexpr int kPassesMax = 1000;
    static constexpr std::int16_t kAucuneAnnee = 9999;
    // Dès cette passe, un intervalle ouvert d'un côté se ferme sur l'autre.
    static constexpr int kPasseDeCloture = 10;
    static constexpr std::size_t kGrandeFratrie = 64;

    // Complet : chaque passe reprend toutes les personnes (sert à vérifier le parcours ciblé).
    enum class Parcours { Cible, Complet };

    // evenements et mariages : un intervalle par numéro d'événement et de fiche Famille.
    EstimationNaissances(const LiensFamiliaux& liens, const std::vector<IntervalleAnnees>& evenements,
                         const std::vector<IntervalleAnnees>& mariages, Parcours parcours = Parcours::Cible);

    // Passe initiale, puis passes de propagation jusqu'à ce qu'aucune ne change rien, ou
    // jusqu'à ce que *arret soit levé (arreteeAvantTerme() est alors vrai).
    void calculer(const std::atomic<bool>* arret = nullptr);
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
    void construireSegments();
    void marquerFratrie(std::uint32_t personne);
    void reprendreFratriesChangees();

    const LiensFamiliaux& liens_;
    const std::vector<IntervalleAnnees>& evenements_;
    const std::vector<IntervalleAnnees>& mariages_;
    Parcours parcours_;
    std::vector<IntervalleAnnees> intervalles_;
    // Qui lit l'intervalle de chaque personne comme parent, conjoint ou premier enfant (les
    // frères et sœurs se trouvent par l'anneau) : listes bout à bout.
    std::vector<std::uint32_t> debutLecteurs_, lecteurs_;
    std::vector<std::uint64_t> aRevoir_;  // un bit par personne
    // Grandes fratries : arbre de chaque anneau (indice par début de l'anneau, −1 : petit anneau),
    // place de l'anneau de chaque arbre, anneaux changés pendant la passe en cours.
    std::vector<std::int32_t> segmentDeFratrie_;
    std::vector<SegmentsFratrie> segments_;
    std::vector<std::uint32_t> debutSegment_, tailleSegment_;
    std::vector<std::uint8_t> fratrieChangee_;
    std::vector<std::int32_t> changeesCourantes_;
    int passes_ = 0;
    bool arretee_ = false;
};

}  // namespace lignara
