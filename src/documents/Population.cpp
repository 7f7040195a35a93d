#include "documents/Population.h"

#include <vector>

#include "database/Parente.h"

namespace lignara {

namespace {

void ajouterAscendants(const BaseGenealogique& base, std::uint32_t racine, EnsemblePersonnes& population) {
    std::vector<std::uint32_t> pile{racine};
    population.ajouter(racine);
    while (!pile.empty()) {
        const Individu ind = base.LireIndividu(pile.back());
        pile.pop_back();
        for (std::uint32_t parent : {ind.pere, ind.mere}) {
            if (parent == 0 || population.contient(parent)) continue;
            population.ajouter(parent);
            pile.push_back(parent);
        }
    }
}

// « Parcourus » est à part : un conjoint déjà marqué comme tel peut être aussi un descendant,
// dont il faut alors suivre les unions.
void ajouterDescendants(const BaseGenealogique& base, std::uint32_t racine, bool conjoints,
                        EnsemblePersonnes& population) {
    EnsemblePersonnes parcourus(base.nombreIndividus());
    std::vector<std::uint32_t> pile{racine};
    population.ajouter(racine);
    parcourus.ajouter(racine);
    while (!pile.empty()) {
        const std::uint32_t p = pile.back();
        pile.pop_back();
        for (const FamilleConjoint& f : Conjoints(base, p)) {
            if (conjoints && f.conjoint != 0) population.ajouter(f.conjoint);
            for (std::uint32_t enfant : Enfants(base, f.fiche)) {
                population.ajouter(enfant);
                if (parcourus.contient(enfant)) continue;
                parcourus.ajouter(enfant);
                pile.push_back(enfant);
            }
        }
    }
}

}  // namespace

std::optional<EtenduePopulation> etendueDeVariante(std::uint8_t variante) {
    if (variante < 1 || variante > 3) return std::nullopt;
    return static_cast<EtenduePopulation>(variante);
}

EnsemblePersonnes choisirPopulation(const BaseGenealogique& base, EtenduePopulation etendue, std::uint32_t racine,
                                    bool conjointsDesDescendants) {
    const std::uint32_t n = base.nombreIndividus();
    EnsemblePersonnes population(n);
    if (etendue == EtenduePopulation::Complete) {
        for (std::uint32_t p = 1; p <= n; ++p) population.ajouter(p);
    } else if (etendue == EtenduePopulation::Ascendants) {
        ajouterAscendants(base, racine, population);
    } else {
        ajouterDescendants(base, racine, conjointsDesDescendants, population);
    }
    return population;
}

}  // namespace lignara
