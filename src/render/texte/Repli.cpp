#include "render/texte/Repli.h"

namespace lignara {

namespace {

struct Jeton {
    MorceauRepli morceau;
    bool blanc = false;
};

// Blancs et mots, un jeton par suite de même sorte dans un même segment.
std::vector<Jeton> decouper(std::span<const Segment> segments) {
    std::vector<Jeton> jetons;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        const std::string_view t = segments[s].texte;
        std::size_t i = 0;
        while (i < t.size()) {
            const bool blanc = t[i] == ' ';
            std::size_t j = i;
            while (j < t.size() && (t[j] == ' ') == blanc) ++j;
            jetons.push_back({{s, i, j}, blanc});
            i = j;
        }
    }
    return jetons;
}

}  // namespace

std::vector<LigneRepliee> replier(std::span<const Segment> segments, std::int64_t largeurPremiere,
                                  std::int64_t largeurSuite,
                                  const std::function<std::int64_t(const Segment&, std::string_view)>& mesurer) {
    const std::vector<Jeton> jetons = decouper(segments);
    auto largeur = [&](const Jeton& j) {
        const Segment& s = segments[j.morceau.segment];
        return mesurer(s, s.texte.substr(j.morceau.debut, j.morceau.fin - j.morceau.debut));
    };
    std::vector<LigneRepliee> lignes(1);
    std::int64_t occupe = 0;
    bool aUnMot = false;
    std::size_t i = 0;
    // Les blancs de tête du paragraphe sont gardés : c'est un retrait voulu.
    while (i < jetons.size() && jetons[i].blanc) {
        lignes.back().push_back(jetons[i].morceau);
        occupe += largeur(jetons[i++]);
    }
    while (i < jetons.size()) {
        // Blancs, puis un mot fait des morceaux de segments voisins qu'aucun blanc ne sépare.
        std::size_t debutMot = i;
        std::int64_t blancs = 0;
        while (debutMot < jetons.size() && jetons[debutMot].blanc) blancs += largeur(jetons[debutMot++]);
        std::size_t finMot = debutMot;
        std::int64_t mot = 0;
        while (finMot < jetons.size() && !jetons[finMot].blanc) mot += largeur(jetons[finMot++]);
        if (debutMot == finMot) break;  // blancs de fin : rien à écrire
        const std::int64_t place = lignes.size() == 1 ? largeurPremiere : largeurSuite;
        if (aUnMot && occupe + blancs + mot > place) {
            lignes.emplace_back();
            occupe = 0;
        } else {
            for (std::size_t b = i; b < debutMot; ++b) lignes.back().push_back(jetons[b].morceau);
            occupe += blancs;
        }
        for (std::size_t m = debutMot; m < finMot; ++m) lignes.back().push_back(jetons[m].morceau);
        occupe += mot;
        aUnMot = true;
        i = finMot;
    }
    return lignes;
}

}  // namespace lignara
