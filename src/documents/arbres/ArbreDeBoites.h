#pragma once
// Les boîtes d'un arbre et leurs rangées de générations (200 au plus) : chaque rangée est une
// liste chaînée de gauche à droite (precedent, suivant), dans l'ordre où la construction y a
// ajouté les boîtes. L'arbre possède les boîtes ; une boîte retirée (élagage) reste en mémoire
// mais n'est plus reliée à rien.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "database/EnsemblePersonnes.h"
#include "documents/arbres/NoeudAscendant.h"

namespace lignara {

class ArbreDeBoites {
public:
    static constexpr int kRangeesMax = 200;

    ArbreDeBoites() = default;
    ArbreDeBoites(const ArbreDeBoites&) = delete;
    ArbreDeBoites& operator=(const ArbreDeBoites&) = delete;

    NoeudAscendant& creer();
    // Ajoute la boîte au bout de la rangée g (0 ≤ g < 200) et la compte.
    void ajouterARangee(NoeudAscendant& boite, int generation);
    // Détache la boîte de sa rangée et la décompte (ses liens de rangée restent ceux des voisines).
    void retirerDeRangee(NoeudAscendant& boite);
    // Refait les débuts de rangée en suivant, depuis le début de la rangée précédente, le père,
    // sinon la mère, sinon la boîte suivante ; les rangées au-delà de la dernière sont vidées.
    void reconstruireRangees();

    NoeudAscendant* premier(int rangee) const { return premiers_[static_cast<std::size_t>(rangee)]; }
    int nombreRangees() const { return nombreRangees_; }
    std::size_t nombreBoites() const { return nombreBoites_; }
    // Boîtes visibles, rangée par rangée de la racine vers le haut, de gauche à droite.
    std::vector<NoeudAscendant*> boites() const;

    NoeudAscendant* racine = nullptr;   // la racine, ou le couple invisible d'un arbre familial
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    EnsemblePersonnes dessinees;         // personnes dont les parents sont dessinés
    EnsemblePersonnes repetees;          // personnes dessinées plus d'une fois

private:
    std::deque<NoeudAscendant> noeuds_;
    std::array<NoeudAscendant*, kRangeesMax> premiers_{};
    std::array<NoeudAscendant*, kRangeesMax> derniers_{};
    int nombreRangees_ = 0;
    std::size_t nombreBoites_ = 0;
};

}  // namespace lignara
