#pragma once
// Partage des angles de la roue descendante (et de la partie basse de la roue mixte), calculé
// avant la feuille de propriétés pour borner le nombre d'anneaux.
//
// Anneau k (1 à 15) : les enfants des personnes de l'anneau k − 1, la racine pour l'anneau 1.
// Une personne y demande (1 + conjoints connus) boîtes et une demi-boîte d'espace, la boîte
// valant angleBoite(k) (GeometrieRoue.h) ; ses conjoints partagent son secteur. Une personne
// déjà placée (même personne atteinte par deux lignées) est placée de nouveau, mais pas sa
// descendance, sauf quand la préférence des doubles branches descendantes le demande.
//
// Règle d'élargissement : le secteur d'une personne est ce qu'elle demande, élargi à ce que
// demande toute sa descendance retenue (le plus grand des deux) ; un parent s'élargit ainsi en
// empruntant à l'angle libre de l'anneau, et ses ancêtres avec lui. Les anneaux s'ajoutent un
// à un tant que l'éventail du premier anneau tient dans le budget (2π, ou 174° pour la roue
// mixte) ; le premier qui ne tient plus arrête le compte. Au placement, l'éventail du premier
// anneau est centré sur 3π/2 (vers le bas) ; l'angle qu'un parent a de trop pour ses enfants
// leur est partagé à parts égales. Pour le cercle complet, l'angle libre du budget va aux
// personnes du premier anneau à proportion de ce qu'elles demandent.
//
// La lecture s'arrête à l'anneau qui ne peut plus tenir : au plus quelques milliers de
// personnes, quelle que soit la taille de la descendance.
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"
#include "database/TablesDerivees.h"

namespace lignara {

struct ConjointRoue {
    std::uint32_t personne = 0;
    bool vivant = false;
};

struct EntreeRoue {
    std::uint32_t personne = 0;
    std::uint32_t parent = 0;             // rang dans l'anneau précédent (anneau 1 : 0, la racine)
    std::vector<ConjointRoue> conjoints;  // connus, dans l'ordre des familles
    bool vivante = false;                 // marque de vie 'v'
    bool repetee = false;                 // déjà placée : sa descendance ne l'est pas de nouveau
    std::uint32_t premierEnfant = 0;      // rang de ses enfants dans l'anneau suivant
    std::uint32_t nombreEnfants = 0;
    double besoin = 0;              // radians
    double requis = 0;              // besoin élargi par la descendance retenue
    double debut = 0, largeur = 0;  // secteur placé, radians
};

class AllocationDescendante {
public:
    static constexpr double kBudgetRoue = 2 * 3.14159265358979323846;
    static constexpr double kBudgetRoueMixte = 3.0368729;  // 174°
    static constexpr double kBas = 4.712389;               // 3π/2

    struct Regles {
        double budget = kBudgetRoue;
        bool doublesBranches = false;
        int anneauxMax = 15;
    };

    // Lit la descendance de la racine et compte les anneaux qui tiennent. OperationImpossible
    // (« Nombre d'enfants trop important à la première génération ») quand le premier ne tient
    // pas. Les marques de vie sont celles des tables dérivées, à attendre avant.
    static AllocationDescendante calculer(const BaseGenealogique& base, const TablesDerivees& tables,
                                          std::uint32_t racine, const Regles& regles);

    std::uint32_t racine() const { return racine_; }
    const std::vector<ConjointRoue>& conjointsRacine() const { return conjointsRacine_; }
    double budget() const { return budget_; }
    // Anneaux qui tiennent dans le budget (0 quand la racine n'a pas d'enfant).
    int anneauxQuiTiennent() const { return anneauxQuiTiennent_; }

    // Secteurs des « anneaux » premiers anneaux (bornés à anneauxQuiTiennent) ; avec le cercle
    // complet, l'éventail prend tout le budget.
    void placer(int anneaux, bool cercleComplet);
    int anneauxPlaces() const { return anneauxPlaces_; }
    // Anneau k, de 1 à anneauxPlaces() (ou lus : jusqu'à anneauxQuiTiennent()).
    const std::vector<EntreeRoue>& anneau(int k) const { return anneaux_[static_cast<std::size_t>(k - 1)]; }
    double debutEventail() const { return debutEventail_; }
    double largeurEventail() const { return largeurEventail_; }

private:
    enum class Lecture : std::uint8_t { Ajoute, Vide, Deborde };

    void lire(const BaseGenealogique& base, const TablesDerivees& tables, const Regles& regles);
    Lecture lireAnneau(const BaseGenealogique& base, const TablesDerivees& tables, bool doublesBranches,
                       EnsemblePersonnes& placees);
    // Besoins élargis des anneaux 1 à n ; rend la largeur de l'éventail du premier anneau.
    double elargir(int n);

    std::uint32_t racine_ = 0;
    std::vector<ConjointRoue> conjointsRacine_;
    double budget_ = kBudgetRoue;
    std::vector<std::vector<EntreeRoue>> anneaux_;
    bool premierAnneauDeborde_ = false;
    int anneauxQuiTiennent_ = 0;
    int anneauxPlaces_ = 0;
    double debutEventail_ = kBas, largeurEventail_ = 0;
};

}  // namespace lignara
