#pragma once
// Choix du conjoint d'une personne (« Choix de la famille ») : ses familles dans l'ordre de sa
// chaîne, celles dont le conjoint est connu, 49 au plus, chaque conjoint une fois. Aucun : 0 ;
// un seul : lui, sans dialogue ; plusieurs : le dialogue les propose, le conjoint courant
// présélectionné.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara {

struct ContexteDocument;

struct ConjointPossible {
    std::uint32_t conjoint = 0;
    std::uint32_t famille = 0;
    friend bool operator==(const ConjointPossible&, const ConjointPossible&) = default;
};

inline constexpr std::size_t kConjointsMax = 49;

// Une chaîne de familles qui boucle ou sort de la table s'arrête là.
std::vector<ConjointPossible> conjointsPossibles(const BaseGenealogique& base, std::uint32_t personne);

// Les conjoints à proposer : un couple marié deux fois n'y paraît qu'une fois, par sa première
// famille. Seul le conjoint est retenu, et le document prend toujours leur première famille :
// la seconde entrée n'aurait mené nulle part ailleurs.
std::vector<ConjointPossible> conjointsDistincts(const BaseGenealogique& base, std::uint32_t personne);

// Libellés de la liste : « NOM Prénoms ». Des conjoints homonymes ne se distingueraient pas :
// leur naissance suit (« , né(e) 3.3.1901 »), et leur numéro si elle ne suffit pas.
std::vector<std::string> libellesConjoints(const ContexteDocument& contexte,
                                           const std::vector<ConjointPossible>& conjoints);

// Rang à présélectionner dans la liste : celui du conjoint courant, 0 sinon.
std::size_t rangDuConjoint(const std::vector<ConjointPossible>& conjoints, std::uint32_t conjointCourant);

// Précondition des documents d'un couple : la famille que le conjoint choisi forme avec la
// racine (la première de sa chaîne). Rien, après le message, quand la racine n'est conjoint
// d'aucune famille (« La racine de l'arbre n'a aucun conjoint connu »), qu'aucun conjoint n'est
// donné (« NOM Prénoms n'a aucun conjoint connu ») ou que le couple n'est plus dans la base
// (« La famille n'existe plus dans le fichier Gedcom »).
std::optional<ConjointPossible> familleDuCoupleChoisi(const ContexteDocument& contexte, std::uint32_t racine,
                                                      std::int32_t conjoint);

}  // namespace lignara
