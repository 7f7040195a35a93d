#pragma once
// GEDCOM d'essai des roues descendantes : une descendance régulière à partir de la personne 1,
// chaque personne de la génération g ayant enfants[g] enfants, avec un conjoint (une femme
// ajoutée) quand « conjoints » est vrai. Les personnes sont numérotées dans l'ordre de leur
// création, génération après génération.
#include <string>
#include <vector>

#include "GenealogieArbre.h"

namespace lignara::essai {

inline std::string gedcomDescendance(const std::vector<int>& enfants, bool conjoints) {
    std::vector<LienParents> liens;
    std::vector<int> generation{1};
    int n = 1;
    for (int parAnneau : enfants) {
        std::vector<int> suivante;
        for (int parent : generation) {
            const int conjoint = conjoints && parAnneau > 0 ? ++n : 0;
            for (int e = 0; e < parAnneau; ++e) {
                liens.push_back({++n, parent, conjoint});
                suivante.push_back(n);
            }
        }
        generation.swap(suivante);
    }
    return gedcomDeLiens(n, liens);
}

}  // namespace lignara::essai
