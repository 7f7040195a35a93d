#include "documents/frises/EvenementFrise.h"

#include <algorithm>

namespace lignara {

CouleurFrise couleurCategorie(CategorieFrise categorie) {
    static constexpr CouleurFrise kCouleurs[kNombreCategoriesFrise] = {
        {0xFF, 0xFF, 0xFF}, {0xBE, 0x32, 0x32}, {0xFF, 0x9D, 0x9D}, {0x0F, 0x6E, 0x0F}, {0x1E, 0xB4, 0x1E},
        {0x9B, 0x64, 0x32}, {0x96, 0x96, 0xFF}, {0x50, 0x50, 0x50}, {0x00, 0x00, 0xAA}, {0xAA, 0x00, 0x00},
    };
    const auto i = static_cast<std::size_t>(categorie);
    return i < kNombreCategoriesFrise ? kCouleurs[i] : kCouleurs[0];
}

CategorieFrise categorieDuSexe(std::uint8_t sexe) {
    if (sexe == 'M') return CategorieFrise::Homme;
    if (sexe == 'F') return CategorieFrise::Femme;
    return CategorieFrise::Deces;
}

std::string EvenementFrise::texte() const {
    std::string t = libelle + prenoms;
    if (!prenoms.empty() && !nom.empty()) t += ' ';
    t += nom;
    t += finLibelle;
    return t;
}

void PlageJours::inclure(std::int32_t bas, std::int32_t haut) {
    if (bas != kJourInconnu) debut = std::min(debut, bas);
    if (haut != kJourInconnu) fin = std::max(fin, haut);
}

void PlageJours::inclure(const EvenementFrise& e) {
    if (!e.date()) return;
    inclure(e.debut.bas, e.plusTard());
}

}  // namespace lignara
