#include "documents/cartes/MigrationsCarte.h"

#include <deque>
#include <set>
#include <tuple>

#include "database/EnsemblePersonnes.h"
#include "database/Parente.h"
#include "documents/cartes/ComptageRegions.h"

namespace lignara {

namespace {

class Releve {
public:
    Releve(const BaseGenealogique& base, CodePays pays, std::uint16_t regionMax)
        : base_(base), pays_(pays), regionMax_(regionMax) {}

    std::uint8_t region(std::uint32_t personne) const {
        return regionEvenement(base_, base_.LireIndividu(personne).naissance, pays_, regionMax_);
    }
    void lien(std::uint32_t parent, std::uint32_t enfant, int generation) {
        const std::uint8_t depart = region(parent), arrivee = region(enfant);
        if (!depart || !arrivee || depart == arrivee) return;
        if (!vues_.insert({depart, arrivee, generation}).second) return;
        resultat.migrations.push_back({depart, arrivee, generation});
        resultat.regions[depart] = resultat.regions[arrivee] = true;
        resultat.generationMax = std::max(resultat.generationMax, generation);
    }

    MigrationsCarte resultat;

private:
    const BaseGenealogique& base_;
    CodePays pays_;
    std::uint16_t regionMax_;
    std::set<std::tuple<std::uint8_t, std::uint8_t, int>> vues_;
};

// Parcours en largeur ; voisins(p) donne les personnes de la génération suivante et relier(p, q,
// g) relève le lien.
template <class Voisins, class Relier>
void parcourir(const BaseGenealogique& base, std::uint32_t racine, int generations, Voisins voisins, Relier relier) {
    EnsemblePersonnes suivies(base.nombreIndividus());
    if (racine == 0 || racine > base.nombreIndividus()) return;
    suivies.ajouter(racine);
    std::deque<std::pair<std::uint32_t, int>> file{{racine, 0}};
    while (!file.empty()) {
        const auto [p, g] = file.front();
        file.pop_front();
        if (g >= generations) continue;
        for (std::uint32_t q : voisins(p)) {
            if (q == 0 || q > base.nombreIndividus()) continue;
            relier(p, q, g + 1);
            if (!suivies.contient(q)) {
                suivies.ajouter(q);
                file.emplace_back(q, g + 1);
            }
        }
    }
}

}  // namespace

MigrationsCarte migrationsAscendantes(const BaseGenealogique& base, std::uint32_t racine, int generations,
                                      CodePays pays, std::uint16_t regionMax) {
    Releve releve(base, pays, regionMax);
    parcourir(
        base, racine, generations,
        [&](std::uint32_t p) {
            const ParentsPersonne parents = Parents(base, p);
            return std::array<std::uint32_t, 2>{parents.pere, parents.mere};
        },
        [&](std::uint32_t enfant, std::uint32_t parent, int g) { releve.lien(parent, enfant, g); });
    return std::move(releve.resultat);
}

MigrationsCarte migrationsDescendantes(const BaseGenealogique& base, std::uint32_t racine, int generations,
                                       CodePays pays, std::uint16_t regionMax) {
    Releve releve(base, pays, regionMax);
    parcourir(
        base, racine, generations,
        [&](std::uint32_t p) {
            std::vector<std::uint32_t> enfants;
            for (const FamilleConjoint& f : Conjoints(base, p))
                for (std::uint32_t e : Enfants(base, f.fiche)) enfants.push_back(e);
            return enfants;
        },
        [&](std::uint32_t parent, std::uint32_t enfant, int g) { releve.lien(parent, enfant, g); });
    return std::move(releve.resultat);
}

}  // namespace lignara
