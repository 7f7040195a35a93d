#include "documents/statistiques/GenerationsAscendance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "parente/BoucleAscendance.h"

namespace lignara {

namespace {

// Les chemins sont comptés en long double (64 bits de mantisse) : exacts tant qu'ils tiennent sur
// 64 bits, sans débordement au-delà ; le compte rangé est saturé.
struct Entree {
    std::uint32_t personne = 0;
    long double chemins = 0;
    char role = ' ';  // 'M' père, 'F' mère, ' ' racine
};

std::uint64_t sature(long double chemins) {
    constexpr long double kPlafond = 18446744073709551615.0L;
    return chemins >= kPlafond ? std::numeric_limits<std::uint64_t>::max() : static_cast<std::uint64_t>(chemins);
}

}  // namespace

// 100 × chemins est exact sous 2^57 chemins, et une division par une puissance de deux l'est
// toujours : le pourcentage tronqué est juste là où il peut valoir 1 ou plus.
std::uint8_t completude(long double chemins, std::size_t generation) {
    if (generation == 0 || chemins <= 0) return 0;
    const auto exposant = static_cast<int>(std::min<std::size_t>(generation - 1, 100000));
    const long double p = std::floor(std::ldexp(chemins * 100, -exposant));
    return static_cast<std::uint8_t>(std::min<long double>(p, 100));
}

Ascendance compterAscendance(const BaseGenealogique& base, std::uint32_t racine) {
    verifierAscendanceSansBoucle(base, racine);
    Ascendance a;
    std::unordered_map<std::uint32_t, std::uint32_t> derniereGeneration;  // personne → rang
    std::vector<Entree> generation{{racine, 1, ' '}};
    while (!generation.empty()) {
        const auto rang = static_cast<std::uint32_t>(a.generations.size());
        GenerationAscendance g;
        long double chemins = 0;
        std::vector<Entree> suivante;
        for (const Entree& e : generation) {
            auto [it, nouvelle] = derniereGeneration.try_emplace(e.personne, rang);
            if (!nouvelle) {
                if (it->second < rang) {
                    a.generations[it->second].implexe = true;
                    a.implexes = true;
                }
                it->second = rang;
            } else if (rang > 0) {
                ++a.total;
            }
            if (e.role == 'M')
                ++g.hommes;
            else if (e.role == 'F')
                ++g.femmes;
            chemins += e.chemins;
            const Individu ind = base.LireIndividu(e.personne);
            if (ind.pere != 0) suivante.push_back({ind.pere, e.chemins, 'M'});
            if (ind.mere != 0 && ind.mere != ind.pere) suivante.push_back({ind.mere, e.chemins, 'F'});
        }
        g.chemins = sature(chemins);
        g.completude = completude(chemins, a.generations.size() + 1);
        a.generations.push_back(g);
        // Par numéro croissant ; une personne atteinte par plusieurs enfants cumule leurs chemins
        // et garde le rôle de sa première entrée.
        std::stable_sort(suivante.begin(), suivante.end(),
                         [](const Entree& x, const Entree& y) { return x.personne < y.personne; });
        generation.clear();
        for (const Entree& e : suivante) {
            if (!generation.empty() && generation.back().personne == e.personne)
                generation.back().chemins += e.chemins;
            else
                generation.push_back(e);
        }
    }
    return a;
}

}  // namespace lignara
