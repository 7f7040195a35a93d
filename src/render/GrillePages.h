#pragma once
// Découpage du dessin en pages. La grille couvre la surface totale (marges comprises), y vers
// le haut : la page (colonne i, rangée j) montre x de i × largeurPage à (i + 1) × largeurPage et
// y de j × hauteurPage à (j + 1) × hauteurPage ; la rangée 0 est le bas du dessin.
//
// Ordre des pages dans le fichier : colonne après colonne, et dans une colonne de la rangée du
// haut vers le bas ; l'entrée du tableau des pages est i × rangées + (rangées − 1 − j).
//
// Une surface totale de largeur ou de hauteur nulle donne une grille sans page : toute plage
// y est vide.
#include <cstdint>

#include "render/FormatPapier.h"

namespace lignara {

// Colonnes et rangées d'une boîte, bornes comprises ; vide quand debut > fin.
struct PlagePages {
    std::int32_t colonneDebut = 0, colonneFin = -1;
    std::int32_t rangeeDebut = 0, rangeeFin = -1;
    bool estVide() const { return colonneDebut > colonneFin || rangeeDebut > rangeeFin; }
};

class GrillePages {
public:
    GrillePages() = default;

    // pourcentageHorizontal : étirement de la famille du document (10 à 200), 100 sinon ; il
    // n'agit que sur les largeurs. Lève OperationImpossible(« Mémoire insuffisante ») quand le
    // nombre de pages dépasse ce qu'un tableau de pages peut tenir.
    GrillePages(const FormatPapier& format, std::int16_t pourcentageHorizontal, std::int32_t largeurTotale,
                std::int32_t hauteurTotale);

    float etirement() const { return etirement_; }
    std::int32_t largeurPage() const { return largeurPage_; }
    std::int32_t hauteurPage() const { return hauteurPage_; }
    std::int32_t largeurUtile() const { return largeurUtile_; }
    std::int32_t hauteurUtile() const { return hauteurUtile_; }
    std::int16_t colonnes() const { return colonnes_; }
    std::int16_t rangees() const { return rangees_; }
    std::int32_t nombreEntrees() const { return std::int32_t{colonnes_} * rangees_; }

    // Boîte en unités de dessin, marges ajoutées ; les bornes peuvent être données dans
    // n'importe quel ordre. Une partie hors de la grille est laissée de côté.
    PlagePages plage(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const;

    bool contient(std::int32_t colonne, std::int32_t rangee) const {
        return colonne >= 0 && colonne < colonnes_ && rangee >= 0 && rangee < rangees_;
    }
    std::int32_t entree(std::int32_t colonne, std::int32_t rangee) const {
        return colonne * rangees_ + (rangees_ - 1 - rangee);
    }
    // Translation de la page en points : −(i × largeurPage) ÷ 16, −(j × hauteurPage) ÷ 16.
    std::int32_t translationX(std::int32_t colonne) const {
        return static_cast<std::int32_t>(-(std::int64_t{colonne} * largeurPage_) / 16);
    }
    std::int32_t translationY(std::int32_t rangee) const {
        return static_cast<std::int32_t>(-(std::int64_t{rangee} * hauteurPage_) / 16);
    }

private:
    float etirement_ = 1.0f;
    std::int32_t largeurPage_ = 0;
    std::int32_t hauteurPage_ = 0;
    std::int32_t largeurUtile_ = 0;
    std::int32_t hauteurUtile_ = 0;
    std::int16_t colonnes_ = 0;
    std::int16_t rangees_ = 0;
};

}  // namespace lignara
