#pragma once
// Comptes de la statistique des âges : âge au premier mariage ou au décès de chaque personne
// d'une population, par sexe et par siècle.
//
// Âge d'une personne : il faut sa naissance et le second événement (décès, ou mariage de la
// première union), chacun avec une année et le qualificatif 0 (exacte ou simple) ou 3 (vers).
// Âge = année 2 − année 1, moins 1 quand les deux mois sont connus et que celui de naissance
// vient après, ou quand les mois sont égaux, les deux jours connus et celui de naissance après.
// Un âge négatif ne compte pas ; au-delà de 150, il compte pour 150.
//
// Première union : la première de la chaîne des unions qui a un conjoint ; une union sans
// conjoint n'est prise que si elle a un événement de mariage. Une union retenue sans événement
// de mariage ne compte pas la personne.
//
// Siècle du second événement : année ÷ 100 arrondi vers le bas (une année avant notre ère n'est
// dans aucun des 22 siècles comptés, de « I° » à « XXII° »).
#include <array>
#include <cstdint>
#include <optional>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"
#include "dates/DateGed.h"

namespace lignara {

enum class AgeEtudie : std::uint8_t { PremierMariage = 0, Deces = 1 };

// Âge entre deux dates selon la règle ci-dessus ; rien quand il ne compte pas.
std::optional<int> ageEntre(const DateGed& naissance, const DateGed& evenement);

struct CompteursAges {
    static constexpr int kAgeMaximal = 150;
    static constexpr int kSiecles = 22;
    enum Sexe { Hommes = 0, Femmes = 1, Inconnus = 2 };

    std::array<std::uint32_t, 3> nombre{};
    std::array<std::uint64_t, 3> somme{};
    std::array<std::array<std::uint32_t, kAgeMaximal + 1>, 3> histogramme{};
    std::array<std::uint32_t, kSiecles> nombreSiecle{};
    std::array<std::uint64_t, kSiecles> sommeSiecle{};

    std::uint32_t total() const { return nombre[Hommes] + nombre[Femmes] + nombre[Inconnus]; }
    // Moyennes en divisions entières ; 0 quand le compte est nul.
    int moyenne() const;
    int moyenne(Sexe sexe) const;
    int moyenneSiecle(int siecle) const;

    void ajouter(std::uint8_t sexe, int age, int anneeEvenement);
};

CompteursAges compterAges(const BaseGenealogique& base, const EnsemblePersonnes& population, AgeEtudie etudie);

// Date du mariage de la première union de la personne (voir plus haut) ; rien quand il n'y en
// a pas.
std::optional<DateGed> datePremierMariage(const BaseGenealogique& base, const Individu& personne);

}  // namespace lignara
