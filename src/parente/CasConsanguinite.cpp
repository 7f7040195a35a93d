#include "parente/CasConsanguinite.h"

#include <algorithm>
#include <optional>

namespace lignara {

namespace {

// Conjoint par lequel une lignée quitte un sommet personne : l'autre parent du premier nœud
// de couple sous lui.
std::uint32_t conjointSous(const GrapheParente& g, std::uint32_t sommet, std::uint32_t noeud) {
    if (g.estPersonne(noeud)) return 0;
    return g.pere(noeud) == sommet ? g.mere(noeud) : g.pere(noeud);
}

std::optional<Consanguinite> casDe(const GrapheParente& g, const BoucleParente& b, const std::vector<std::int16_t>& annees) {
    const std::vector<std::uint32_t>& n = b.noeuds;
    const std::size_t L = n.size();
    if (L < 3) return std::nullopt;
    std::size_t t = 0;
    for (std::size_t k = 1; k < L; ++k)
        if (g.niveau(n[k]) > g.niveau(n[t])) t = k;
    // Deux descentes depuis le sommet, chacune tant que le niveau baisse ; elles doivent se
    // rejoindre sur le même nœud en couvrant tout le tour.
    std::vector<std::uint32_t> moities[2];
    std::size_t fins[2];
    for (int sens = 0; sens < 2; ++sens) {
        std::size_t i = t;
        for (;;) {
            std::size_t j = sens == 0 ? (i + 1) % L : (i + L - 1) % L;
            if (j == t || g.niveau(n[j]) >= g.niveau(n[i])) break;
            i = j;
            moities[sens].push_back(n[i]);
        }
        fins[sens] = i;
    }
    if (fins[0] != fins[1] || moities[0].size() + moities[1].size() != L) return std::nullopt;
    const std::uint32_t jonction = n[fins[0]];
    moities[0].pop_back();
    moities[1].pop_back();

    Consanguinite c;
    const std::uint32_t sommet = n[t];
    if (g.estPersonne(sommet)) {
        c.sommet = sommet;
        for (int k = 0; k < 2; ++k)
            c.conjointsSommet[k] = conjointSous(g, sommet, moities[k].empty() ? jonction : moities[k].front());
    } else {
        c.sommet = g.pere(sommet) != 0 ? g.pere(sommet) : g.mere(sommet);
        std::uint32_t conjoint = g.pere(sommet) != 0 ? g.mere(sommet) : 0;
        c.conjointsSommet[0] = c.conjointsSommet[1] = conjoint;
    }
    for (int k = 0; k < 2; ++k)
        for (std::uint32_t m : moities[k])
            if (g.estPersonne(m)) c.lignes[k].push_back(m);
    auto enfants = g.successeurs(jonction);
    c.base = enfants.empty() ? 0 : enfants.front();
    c.nombreBase = static_cast<std::uint8_t>(std::min<std::size_t>(enfants.size(), 255));
    if (!annees.empty()) ordonnerLignes(c, annees);
    return c;
}

}  // namespace

std::vector<Consanguinite> casDeConsanguinite(const GrapheParente& graphe, const std::vector<BoucleParente>& boucles,
                                              const std::vector<std::int16_t>& annees) {
    std::vector<Consanguinite> cas;
    for (const BoucleParente& b : boucles)
        if (auto c = casDe(graphe, b, annees)) cas.push_back(std::move(*c));
    return cas;
}

}  // namespace lignara
