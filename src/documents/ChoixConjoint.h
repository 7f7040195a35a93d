#pragma once
// Choix du conjoint d'une personne (« Choix de la famille ») : ses familles dans l'ordre de sa
// chaîne, celles dont le conjoint est connu, 49 au plus. Aucune : 0 ; une seule : elle, sans
// dialogue ; plusieurs : le dialogue les propose, le conjoint courant présélectionné.
#include <cstdint>
#include <optional>
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
