#pragma once
// Boîtes d'un arbre rangées par rangées (200 au plus), communes aux arbres d'ascendants et de
// descendants : chaque rangée est une liste chaînée de gauche à droite (precedent, suivant),
// dans l'ordre où la construction y a ajouté les boîtes. Les rangées possèdent les boîtes, dont
// les adresses restent stables ; une boîte retirée (élagage) reste en mémoire mais n'est plus
// reliée à rien. Noeud dérive de BoiteArbre et a ses liens precedent et suivant.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace lignara {

template <class Noeud>
class RangeesDeBoites {
public:
    static constexpr int kRangeesMax = 200;

    RangeesDeBoites() = default;
    RangeesDeBoites(const RangeesDeBoites&) = delete;
    RangeesDeBoites& operator=(const RangeesDeBoites&) = delete;

    Noeud& creer() { return noeuds_.emplace_back(); }

    // Ajoute la boîte au bout de la rangée r (0 ≤ r < 200) et la compte.
    void ajouterARangee(Noeud& boite, int rangee) {
        auto g = static_cast<std::size_t>(rangee);
        boite.generation = static_cast<std::uint8_t>(rangee);
        boite.precedent = derniers_[g];
        boite.suivant = nullptr;
        if (derniers_[g])
            derniers_[g]->suivant = &boite;
        else
            premiers_[g] = &boite;
        derniers_[g] = &boite;
        if (rangee + 1 > nombreRangees_) nombreRangees_ = rangee + 1;
        ++nombreBoites_;
    }

    // Détache la boîte de sa rangée et la décompte (ses liens de rangée restent ceux des voisines).
    void retirerDeRangee(Noeud& boite) {
        auto g = static_cast<std::size_t>(boite.generation);
        if (boite.precedent) boite.precedent->suivant = boite.suivant;
        if (boite.suivant) boite.suivant->precedent = boite.precedent;
        if (premiers_[g] == &boite) premiers_[g] = boite.suivant;
        if (derniers_[g] == &boite) derniers_[g] = boite.precedent;
        boite.precedent = boite.suivant = nullptr;
        --nombreBoites_;
    }

    // Oublie les rangées vides de la fin.
    void retirerRangeesVides() {
        while (nombreRangees_ > 0 && !premiers_[static_cast<std::size_t>(nombreRangees_ - 1)]) --nombreRangees_;
    }

    Noeud* premier(int rangee) const { return premiers_[static_cast<std::size_t>(rangee)]; }
    Noeud* dernier(int rangee) const { return derniers_[static_cast<std::size_t>(rangee)]; }
    int nombreRangees() const { return nombreRangees_; }
    std::size_t nombreBoites() const { return nombreBoites_; }

    // Boîtes rangées, de la première rangée à la dernière, de gauche à droite.
    std::vector<Noeud*> boites() const {
        std::vector<Noeud*> v;
        v.reserve(nombreBoites_);
        for (int g = 0; g < nombreRangees_; ++g)
            for (Noeud* n = premiers_[static_cast<std::size_t>(g)]; n; n = n->suivant) v.push_back(n);
        return v;
    }

protected:
    std::deque<Noeud> noeuds_;
    std::array<Noeud*, kRangeesMax> premiers_{};
    std::array<Noeud*, kRangeesMax> derniers_{};
    int nombreRangees_ = 0;
    std::size_t nombreBoites_ = 0;
};

}  // namespace lignara
