#pragma once
// Essais des descendances : arbre de descendants sur une base d'essai, GEDCOM d'une descendance régulière.
#include <memory>
#include <string>
#include <vector>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "documents/arbres/ArbreDescIndividuel.h"

namespace lignara::essai {

// Chaque personne de la génération g (à partir de 1) a enfants[g] enfants, avec une femme ajoutée quand
// « conjoints » est vrai ; les personnes sont numérotées dans l'ordre de leur création.
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

// Les personnes sont désignées par leur numéro d'essai (prénoms « P<n> »).
struct Descendance {
    explicit Descendance(const std::string& gedcom) : b(gedcom) { regles.base = &b.base(); }

    std::uint32_t n(int p) const { return static_cast<std::uint32_t>(b.personne("P" + std::to_string(p))); }
    ArbreDescendant& individuel(int racine) {
        arbre = std::make_unique<ArbreDescIndividuel>(regles, n(racine));
        arbre->construire();
        return *arbre;
    }
    // La rangée en texte : « P1 P2* » (* : boîte de conjoint, ! : descendants non dessinés).
    std::string rangee(int r) const {
        std::string s;
        for (const NoeudDescendant* x = arbre->rangees().premier(r); x; x = x->suivant)
            s += (s.empty() ? "" : " ") + essai::prenoms(b.base(), x->personne) + (x->conjoint ? "*" : "") +
                 (x->familleNonDessinee ? "!" : "");
        return s;
    }
    const NoeudDescendant* boite(int r, int p) const {
        for (const NoeudDescendant* x = arbre->rangees().premier(r); x; x = x->suivant)
            if (x->personne == n(p)) return x;
        return nullptr;
    }

    BaseEssai b;
    ReglesDescendance regles;
    std::unique_ptr<ArbreDescendant> arbre;
};

}  // namespace lignara::essai
