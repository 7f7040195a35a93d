#pragma once
// Entrées de la liste de cousins : les parents d'une racine jusqu'à un degré (parente/
// DegresParente.h), rangés en groupes selon le tri.
//   - par degré : un groupe par degré (« 4° degré »), dans l'ordre de la marche ;
//   - par nom : un groupe par initiale du nom (capitale sans accent ; « ? » sans lettre, en
//     dernier), par nom puis prénoms (casse, accents et ponctuation ignorés) ;
//   - par date de naissance : l'année de la naissance quand elle en a une et n'est pas une
//     période, sinon l'année estimée ; un groupe par siècle (« XVIII° siècle » pour 1700–1799,
//     au-delà du XXII° en chiffres romains aussi), « Avant J.C. » en tête pour les années
//     avant 1, « Date inconnue » en dernier sans année ni estimation ; dans un groupe, par
//     (année × 12 + mois) × 31 + jour, sur 64 bits ;
//   - par pays : la zone (pays, ou département pour la France) du lieu de naissance, sinon de
//     décès, sinon du premier mariage qui en a une ; groupes dans l'ordre des noms de zone
//     (casse et accents ignorés), « Autres lieux » en dernier ; par nom dans un groupe ;
//   - par catégorie professionnelle : la première catégorie de la profession, dans l'ordre
//     des catégories, puis « Autres professions » (aucune catégorie), puis « Sans
//     profession » (aucune, ou « sans profession ») ; par nom dans un groupe.
// À égalité, l'ordre de la marche.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "reference/CategorieAutomate.h"

namespace lignara {

enum class TriCousins : std::uint8_t { Degre = 0, Nom = 1, Date = 2, Pays = 3, Categorie = 4 };

struct ReglesCousins {
    const BaseGenealogique* base = nullptr;
    std::uint32_t racine = 0;
    std::uint16_t degreMax = 0;  // 0 : aucun
    bool ascendantsDirects = true;
    bool alliances = true;
    TriCousins tri = TriCousins::Degre;
    // Par personne (9999 : aucune) ; tri par date seulement.
    const std::vector<std::int16_t>* anneesNaissance = nullptr;
    // Tri par catégorie seulement ; nul : toute profession est « Autres professions ».
    CategorieAutomate* categories = nullptr;
};

struct EntreeCousin {
    std::uint32_t personne = 0;
    std::uint16_t degre = 0;
    std::uint8_t sexe = ' ';
    bool ligneDirecte = false;
    bool alliance = false;
    std::uint32_t groupe = 0;  // indice dans ListeCousinsConstruite::titres
    std::string nom;           // Windows-1252
    std::string prenoms;
    std::string profession;
};

struct ListeCousinsConstruite {
    std::vector<EntreeCousin> entrees;  // triées, groupe après groupe
    std::vector<std::string> titres;    // titre de chaque groupe, dans l'ordre (Windows-1252)
};

ListeCousinsConstruite construireListeCousins(const ReglesCousins& regles);

// « XVIII° » pour le siècle 17 (1700 à 1799), en chiffres romains quel que soit le siècle
// (0 à 3998) ; vide au-delà.
std::string siecleRomain(int siecle);

}  // namespace lignara
