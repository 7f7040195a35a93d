#include "documents/arbres/ArbreDeBoites.h"

namespace lignara {

NoeudAscendant& ArbreDeBoites::creer() { return noeuds_.emplace_back(); }

void ArbreDeBoites::ajouterARangee(NoeudAscendant& boite, int generation) {
    auto g = static_cast<std::size_t>(generation);
    boite.generation = static_cast<std::uint8_t>(generation);
    boite.precedent = derniers_[g];
    boite.suivant = nullptr;
    if (derniers_[g]) derniers_[g]->suivant = &boite;
    else premiers_[g] = &boite;
    derniers_[g] = &boite;
    if (generation + 1 > nombreRangees_) nombreRangees_ = generation + 1;
    ++nombreBoites_;
}

void ArbreDeBoites::retirerDeRangee(NoeudAscendant& boite) {
    auto g = static_cast<std::size_t>(boite.generation);
    if (boite.precedent) boite.precedent->suivant = boite.suivant;
    if (boite.suivant) boite.suivant->precedent = boite.precedent;
    if (premiers_[g] == &boite) premiers_[g] = boite.suivant;
    if (derniers_[g] == &boite) derniers_[g] = boite.precedent;
    boite.precedent = boite.suivant = nullptr;
    --nombreBoites_;
}

void ArbreDeBoites::reconstruireRangees() {
    int k = 1;
    for (; k < nombreRangees_; ++k) {
        NoeudAscendant* n = premiers_[static_cast<std::size_t>(k - 1)];
        while (n && !n->pere && !n->mere) n = n->suivant;
        if (!n) break;
        premiers_[static_cast<std::size_t>(k)] = n->pere ? n->pere : n->mere;
    }
    for (int j = k; j < nombreRangees_; ++j) premiers_[static_cast<std::size_t>(j)] = derniers_[static_cast<std::size_t>(j)] = nullptr;
    if (premiers_[0]) nombreRangees_ = k;
    for (int j = 0; j < nombreRangees_; ++j) {
        NoeudAscendant* n = premiers_[static_cast<std::size_t>(j)];
        while (n && n->suivant) n = n->suivant;
        derniers_[static_cast<std::size_t>(j)] = n;
    }
}

std::vector<NoeudAscendant*> ArbreDeBoites::boites() const {
    std::vector<NoeudAscendant*> v;
    v.reserve(nombreBoites_);
    for (int g = 0; g < nombreRangees_; ++g)
        for (NoeudAscendant* n = premiers_[static_cast<std::size_t>(g)]; n; n = n->suivant) v.push_back(n);
    return v;
}

}  // namespace lignara
