#include "parente/CasConsanguinite.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace lignara {

namespace {

// Conjoint par lequel une lignée quitte un sommet personne : l'autre parent du premier nœud
// de couple sous lui.
std::uint32_t conjointSous(const GrapheParente& g, std::uint32_t sommet, std::uint32_t noeud) {
    if (g.estPersonne(noeud)) return 0;
    return g.pere(noeud) == sommet ? g.mere(noeud) : g.pere(noeud);
}

std::optional<Consanguinite> casDe(const GrapheParente& g, const BoucleParente& b,
                                   const std::vector<std::int16_t>& annees) {
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

// Chemins qui montent d'un conjoint de la jonction, en arbre de préfixes : chaque entrée est
// un nœud et l'entrée d'où l'on y est monté (−1 au départ).
struct Montee {
    std::uint32_t noeud = 0;
    std::int32_t depuis = -1;
    int personnes = 0;  // personnes du chemin, départ compris
};

void monter(const GrapheParente& g, std::uint32_t depart, int personnesMax, std::vector<Montee>& m) {
    m.clear();
    m.push_back({depart, -1, 1});
    for (std::size_t i = 0; i < m.size(); ++i) {
        const Montee e = m[i];
        for (std::uint32_t p : g.predecesseurs(e.noeud)) {
            const int personnes = e.personnes + (g.estPersonne(p) ? 1 : 0);
            if (personnes > personnesMax) continue;
            m.push_back({p, static_cast<std::int32_t>(i), personnes});
        }
    }
}

// Nœuds du chemin, du départ (un conjoint) jusqu'à l'entrée i (le sommet) comprise.
void chemin(const std::vector<Montee>& m, std::int32_t i, std::vector<std::uint32_t>& sortie) {
    sortie.clear();
    for (; i >= 0; i = m[static_cast<std::size_t>(i)].depuis) sortie.push_back(m[static_cast<std::size_t>(i)].noeud);
    std::reverse(sortie.begin(), sortie.end());
}

// Cas d'une jonction par deux chemins montants qui ne se touchent qu'à leur sommet commun.
Consanguinite casDesChemins(const GrapheParente& g, std::uint32_t jonction, const std::vector<std::uint32_t> montees[2],
                            const std::vector<std::int16_t>& annees) {
    Consanguinite c;
    const std::uint32_t sommet = montees[0].back();
    if (g.estPersonne(sommet)) {
        c.sommet = sommet;
        for (int k = 0; k < 2; ++k) {
            const auto& m = montees[k];
            c.conjointsSommet[k] = conjointSous(g, sommet, m.size() >= 2 ? m[m.size() - 2] : jonction);
        }
    } else {
        c.sommet = g.pere(sommet) != 0 ? g.pere(sommet) : g.mere(sommet);
        const std::uint32_t conjoint = g.pere(sommet) != 0 ? g.mere(sommet) : 0;
        c.conjointsSommet[0] = c.conjointsSommet[1] = conjoint;
    }
    for (int k = 0; k < 2; ++k)
        for (std::size_t i = montees[k].size() - 1; i-- > 0;)
            if (g.estPersonne(montees[k][i])) c.lignes[k].push_back(montees[k][i]);
    auto enfants = g.successeurs(jonction);
    c.base = enfants.empty() ? 0 : enfants.front();
    c.nombreBase = static_cast<std::uint8_t>(std::min<std::size_t>(enfants.size(), 255));
    if (!annees.empty()) ordonnerLignes(c, annees);
    return c;
}

// Un cas se reconnaît à son sommet, sa base et ses deux lignées avec leurs conjoints, dans
// n'importe quel ordre.
using CleCas = std::tuple<std::uint32_t, std::uint32_t, std::pair<std::uint32_t, std::vector<std::uint32_t>>,
                          std::pair<std::uint32_t, std::vector<std::uint32_t>>>;
CleCas cleDe(const Consanguinite& c) {
    auto a = std::make_pair(c.conjointsSommet[0], c.lignes[0]);
    auto b = std::make_pair(c.conjointsSommet[1], c.lignes[1]);
    if (b < a) std::swap(a, b);
    return {c.sommet, c.base, std::move(a), std::move(b)};
}

}  // namespace

std::vector<Consanguinite> casProches(const GrapheParente& g, int personnesMax,
                                      const std::vector<std::int16_t>& annees) {
    std::vector<Consanguinite> cas;
    std::vector<Montee> cotes[2];
    std::vector<std::uint32_t> montees[2];
    std::map<std::uint32_t, std::vector<std::int32_t>> sommets;
    for (std::uint32_t j = g.nombrePersonnes() + 1; j <= g.nombreNoeuds(); ++j) {
        const std::uint32_t pere = g.pere(j), mere = g.mere(j);
        if (pere == 0 || mere == 0) continue;
        monter(g, pere, personnesMax + 1, cotes[0]);
        monter(g, mere, personnesMax + 1, cotes[1]);
        sommets.clear();
        for (std::size_t i = 0; i < cotes[0].size(); ++i)
            sommets[cotes[0][i].noeud].push_back(static_cast<std::int32_t>(i));
        for (std::size_t i = 0; i < cotes[1].size(); ++i) {
            auto t = sommets.find(cotes[1][i].noeud);
            if (t == sommets.end()) continue;
            chemin(cotes[1], static_cast<std::int32_t>(i), montees[1]);
            for (std::int32_t k : t->second) {
                chemin(cotes[0], k, montees[0]);
                // Les deux moitiés ne se touchent qu'au sommet.
                bool separees = true;
                for (std::size_t a = 0; a + 1 < montees[0].size() && separees; ++a)
                    for (std::size_t b = 0; b + 1 < montees[1].size() && separees; ++b)
                        separees = montees[0][a] != montees[1][b];
                if (!separees) continue;
                // Une lignée de plus de personnesMax personnes n'est pas de ce ressort.
                if (std::count_if(montees[0].begin(), montees[0].end() - 1,
                                  [&](std::uint32_t n) { return g.estPersonne(n); }) > personnesMax ||
                    std::count_if(montees[1].begin(), montees[1].end() - 1,
                                  [&](std::uint32_t n) { return g.estPersonne(n); }) > personnesMax)
                    continue;
                cas.push_back(casDesChemins(g, j, montees, annees));
            }
        }
    }
    return cas;
}

std::vector<Consanguinite> casDeConsanguinite(const GrapheParente& graphe, const std::vector<BoucleParente>& boucles,
                                              const std::vector<std::int16_t>& annees) {
    std::vector<Consanguinite> cas;
    std::set<CleCas> vus;
    for (const BoucleParente& b : boucles)
        if (auto c = casDe(graphe, b, annees); c && vus.insert(cleDe(*c)).second) cas.push_back(std::move(*c));
    // Les boucles du parcours n'en donnent qu'une par arête hors de son arbre : des boucles
    // proches qui partagent des nœuds (des cousins mariés dont l'enfant a lui-même épousé une
    // cousine) se fondent alors en une seule, sans sommet commun, et des cas manquent. Chaque
    // couple est donc aussi regardé de près : toutes ses paires de lignées courtes.
    for (Consanguinite& c : casProches(graphe, kLigneesProches, annees))
        if (vus.insert(cleDe(c)).second) cas.push_back(std::move(c));
    return cas;
}

}  // namespace lignara
