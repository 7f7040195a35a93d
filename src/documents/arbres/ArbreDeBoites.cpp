#include "documents/arbres/ArbreDeBoites.h"

namespace lignara {

void ArbreDeBoites::reconstruireRangees() {
    int k = 1;
    for (; k < nombreRangees_; ++k) {
        NoeudAscendant* n = premiers_[static_cast<std::size_t>(k - 1)];
        while (n && !n->pere && !n->mere) n = n->suivant;
        if (!n) break;
        premiers_[static_cast<std::size_t>(k)] = n->pere ? n->pere : n->mere;
    }
    for (int j = k; j < nombreRangees_; ++j)
        premiers_[static_cast<std::size_t>(j)] = derniers_[static_cast<std::size_t>(j)] = nullptr;
    if (premiers_[0]) nombreRangees_ = k;
    for (int j = 0; j < nombreRangees_; ++j) {
        NoeudAscendant* n = premiers_[static_cast<std::size_t>(j)];
        while (n && n->suivant) n = n->suivant;
        derniers_[static_cast<std::size_t>(j)] = n;
    }
}

}  // namespace lignara
