#include "gedcom/LieuNormalise.h"

#include <algorithm>
#include <cstring>

namespace lignara {

void LieuNormalise::commencer(CodePays pays, std::uint8_t subdivision) {
    octets_[0] = pays.octets[0];
    octets_[1] = pays.octets[1];
    octets_[2] = static_cast<char>(subdivision);
    longueur_ = kTailleCode;
}

bool LieuNormalise::ajouter(std::string_view a, std::string_view b, std::string_view c) {
    // Comparaisons sans somme : les morceaux viennent du fichier et peuvent être très longs.
    std::size_t reste = kTailleMax - longueur_;
    if (a.size() > reste) return false;
    reste -= a.size();
    if (b.size() > reste) return false;
    reste -= b.size();
    if (c.size() > reste) return false;
    for (std::string_view m : {a, b, c}) {
        if (m.empty()) continue;
        std::memcpy(octets_.data() + longueur_, m.data(), m.size());
        longueur_ += m.size();
    }
    return true;
}

void LieuNormalise::ajouterCoupe(std::string_view morceau) {
    ajouter(morceau.substr(0, std::min(morceau.size(), kTailleMax - longueur_)));
}

void LieuNormalise::terminer() {
    if (longueur_ <= kTailleCode) longueur_ = 0;
}

}  // namespace lignara
