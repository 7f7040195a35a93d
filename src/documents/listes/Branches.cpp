#include "documents/listes/Branches.h"

#include <algorithm>
#include <tuple>

#include "database/Parente.h"
#include "parente/GrapheParente.h"

namespace lignara {

namespace {

// La tête et, de proche en proche, les conjoints têtes de branche de chacun : une tête mariée
// deux fois à des têtes de branche fait une seule entrée avec ses deux conjoints.
void rassembler(const BaseGenealogique& base, std::uint32_t tete, EnsemblePersonnes& pris,
                std::vector<std::uint32_t>& personnes) {
    const EnsemblePersonnes& tetes = base.TetesDeBranche();
    const std::size_t debut = personnes.size();
    personnes.push_back(tete);
    pris.ajouter(tete);
    for (std::size_t i = debut; i < personnes.size(); ++i) {
        if (base.LireIndividu(personnes[i]).premiereFamille == 0) continue;
        for (const FamilleConjoint& f : Conjoints(base, personnes[i])) {
            const std::uint32_t c = f.conjoint;
            if (c == 0 || c > base.nombreIndividus() || !tetes.contient(c) || pris.contient(c)) continue;
            pris.ajouter(c);
            personnes.push_back(c);
        }
    }
}

// Descendants distincts des personnes de l'entrée : parcours marqué du numéro de l'entrée.
std::uint32_t compterDescendants(const GrapheParente& g, std::span<const std::uint32_t> depart, std::uint32_t marque,
                                 std::vector<std::uint32_t>& vu, std::vector<std::uint32_t>& pile) {
    std::uint32_t compte = 0;
    pile.clear();
    for (std::uint32_t p : depart) {
        if (vu[p] == marque) continue;
        vu[p] = marque;
        pile.push_back(p);
    }
    while (!pile.empty()) {
        const std::uint32_t n = pile.back();
        pile.pop_back();
        for (std::uint32_t s : g.successeurs(n)) {
            if (vu[s] == marque) continue;
            vu[s] = marque;
            // Le conjoint tête de branche est dans l'entrée, pas parmi ses descendants.
            if (g.estPersonne(s)) ++compte;
            pile.push_back(s);
        }
    }
    return compte;
}

}  // namespace

BranchesConstruites construireBranches(const BaseGenealogique& base) {
    ParametresGrapheParente p;
    p.options = GrapheProfondeurs | GrapheConserver;
    const ResultatGrapheParente r = construireGrapheParente(base, p);
    const GrapheParente& g = *r.graphe;

    BranchesConstruites b;
    const EnsemblePersonnes& tetes = base.TetesDeBranche();
    EnsemblePersonnes pris(base.nombreIndividus());
    std::vector<std::uint32_t> vu(std::size_t{g.nombreNoeuds()} + 1, 0), pile;
    for (std::uint32_t t = 1; t <= base.nombreIndividus(); ++t) {
        if (!tetes.contient(t) || pris.contient(t)) continue;
        EntreeBranche e;
        e.debut = static_cast<std::uint32_t>(b.personnes.size());
        rassembler(base, t, pris, b.personnes);
        e.nombre = static_cast<std::uint32_t>(b.personnes.size() - e.debut);
        for (std::uint32_t q : b.personnesDe(e))
            e.generations = std::max<std::uint32_t>(e.generations, r.profondeurs[q]);
        e.descendants =
            compterDescendants(g, b.personnesDe(e), static_cast<std::uint32_t>(b.entrees.size() + 1), vu, pile);
        b.entrees.push_back(e);
    }
    return b;
}

void trierBranches(BranchesConstruites& branches, TriBranches tri,
                   const std::function<std::string_view(std::uint32_t)>& nom) {
    const auto& personnes = branches.personnes;
    auto cle = [&](const EntreeBranche& e) {
        const std::uint32_t tete = personnes[e.debut];
        std::int64_t premier = 0;
        if (tri == TriBranches::Date) premier = e.anneeNaissance;
        if (tri == TriBranches::Generations) premier = -std::int64_t{e.generations};
        if (tri == TriBranches::Descendants) premier = -std::int64_t{e.descendants};
        return std::make_tuple(premier, nom(tete), tete);
    };
    std::stable_sort(branches.entrees.begin(), branches.entrees.end(),
                     [&](const EntreeBranche& a, const EntreeBranche& b) { return cle(a) < cle(b); });
}

}  // namespace lignara
