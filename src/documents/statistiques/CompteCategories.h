#pragma once
// Comptes de la statistique des professions et des sources : une valeur par personne de la
// population, rangée dans les catégories de l'utilisateur (automate de reference/Categories.h).
//
// Valeur d'une personne : pour les professions, sa profession ; pour les sources, la première
// présente de : la source du nom ; celle de la naissance, sinon de son lieu ; celle de la
// profession ; celle du commentaire ; celle du décès, sinon de son lieu. Sans valeur, la
// personne est passée.
//
// Les valeurs égales (octet par octet) sont comptées ensemble ; chaque valeur distincte ajoute
// son nombre de personnes à chaque catégorie qu'elle accorde (une fois par catégorie), ou à la
// première seulement. Seules les 23 premières catégories comptent : une catégorie de numéro
// plus grand est passée, y compris pour « la première ».
//
// Pourcentage d'une catégorie : (1000 × compte + 5) ÷ (10 × total) en entiers, le total étant
// la somme des comptes de toutes les catégories. Les cinq millièmes ne rattrapent presque rien :
// le pourcentage est en fait tronqué (2 sur 3 donnent 66 %), comme les barres qui en dépendent.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"
#include "reference/CategorieAutomate.h"

namespace lignara {

enum class GenreValeur : std::uint8_t { Professions = 0, Sources = 1 };

struct ValeurCategories {
    std::string texte;  // Windows-1252
    std::uint32_t personnes = 0;
    std::vector<std::uint8_t> categories;  // celles qui comptent, dans l'ordre de l'automate
};

struct CompteCategories {
    static constexpr std::size_t kCategoriesMax = 23;

    std::vector<std::string> noms;          // les catégories qui comptent
    std::vector<std::uint64_t> comptes;     // une par nom
    std::vector<ValeurCategories> valeurs;  // distinctes, triées octet par octet

    std::uint64_t total() const;
    // 0 quand le total est nul.
    int pourcentage(std::size_t categorie) const;
};

// Référence (table des professions ou des sources) de la valeur de la personne ; 0 : aucune.
std::uint32_t referenceValeur(const BaseGenealogique& base, const Individu& personne, GenreValeur genre);

// Valeurs distinctes de la population avec leur nombre de personnes (catégories vides).
std::vector<ValeurCategories> collecterValeurs(const BaseGenealogique& base, const EnsemblePersonnes& population,
                                               GenreValeur genre);

// Range les valeurs dans les catégories de l'automate.
CompteCategories compterCategories(std::vector<ValeurCategories> valeurs, CategorieAutomate& automate,
                                   bool uneSeuleCategorie);

}  // namespace lignara
