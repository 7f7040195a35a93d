#include "documents/listes/EntreesAscendantes.h"

namespace lignara {

namespace {

// Mariage du couple : la première fiche du père dont l'autre conjoint est la mère.
std::uint32_t mariageDuCouple(const BaseGenealogique& base, std::uint32_t pere, std::uint32_t mere) {
    std::int64_t f = base.LireIndividu(pere).premiereFamille;
    // Une chaîne abîmée ne tourne pas en rond : au plus une visite par fiche.
    for (std::uint32_t pas = 0; f > 0 && pas < base.nombreFamilles(); ++pas) {
        const Famille famille = base.LireFamille(static_cast<std::uint32_t>(f));
        if (famille.conjoint == mere) return famille.mariage;
        f = famille.suivante;
    }
    return 0;
}

// Vrai quand la personne est déjà sur le chemin qui mène de la racine à l'entrée i.
bool surLeChemin(const std::vector<EntreeAscendante>& entrees, std::size_t i, std::uint32_t personne) {
    for (std::size_t k = i + 1; k > 0; k = entrees[k - 1].enfant)
        if (entrees[k - 1].personne == personne) return true;
    return false;
}

}  // namespace

ListeAscendanteConstruite construireListeAscendante(const ReglesAscendantes& r) {
    const BaseGenealogique& base = *r.base;
    const std::uint32_t n = base.nombreIndividus();
    ListeAscendanteConstruite liste;
    liste.renvoyees = EnsemblePersonnes(n);
    if (r.racine == 0 || r.racine > n) return liste;
    std::vector<std::uint32_t> premiere(std::size_t{n} + 1, 0);
    auto& entrees = liste.entrees;
    entrees.push_back({.personne = r.racine});
    std::vector<EntreeAscendante> suivante;
    // Une génération à la fois : la limite s'applique à des générations entières.
    for (std::size_t debut = 0; debut < entrees.size();) {
        const std::size_t fin = entrees.size();
        suivante.clear();
        for (std::size_t i = debut; i < fin; ++i) {
            EntreeAscendante& e = entrees[i];
            const std::uint32_t p = e.personne;
            e.premiere = premiere[p];
            if (e.premiere && r.renvois) {
                e.renvoi = true;
                if (entrees[e.premiere - 1].generation <= 64) liste.renvoyees.ajouter(p);
            }
            if (e.conjoint && r.mariages) e.ligneMariage = !(r.renvois && e.premiere && premiere[e.conjoint]);
            if (!premiere[p]) premiere[p] = static_cast<std::uint32_t>(i + 1);
            const bool arret = (e.premiere && !r.doublesBranches) || (r.coupes && r.coupes->contient(p)) ||
                               (r.limiteGenerations && e.generation >= r.limiteGenerations);
            if (arret) continue;
            const Individu ind = base.LireIndividu(p);
            std::uint32_t parents[2] = {ind.pere <= n ? ind.pere : 0, ind.mere <= n ? ind.mere : 0};
            for (std::uint32_t& q : parents)
                if (q && r.doublesBranches && surLeChemin(entrees, i, q)) {
                    liste.boucle = true;
                    q = 0;
                }
            const auto enfant = static_cast<std::uint32_t>(i + 1);
            if (parents[0])
                suivante.push_back({.personne = parents[0],
                                    .generation = e.generation + 1,
                                    .sosa = 2 * e.sosa,
                                    .conjoint = parents[1],
                                    .mariage = parents[1] ? mariageDuCouple(base, parents[0], parents[1]) : 0,
                                    .enfant = enfant});
            if (parents[1])
                suivante.push_back(
                    {.personne = parents[1], .generation = e.generation + 1, .sosa = 2 * e.sosa + 1, .enfant = enfant});
        }
        if (suivante.empty()) break;
        if (r.doublesBranches && entrees.size() + suivante.size() > r.entreesMax) {
            liste.limitee = true;
            liste.premiereGenerationNonListee = suivante.front().generation;
            break;
        }
        entrees.insert(entrees.end(), suivante.begin(), suivante.end());
        debut = fin;
    }
    liste.audelaDe64 = entrees.back().generation > 64;
    return liste;
}

}  // namespace lignara
