#pragma once
// Échelle des frises : la plage de jours dessinée, posée sur une largeur, et les graduations de
// l'axe du temps.
//
// Plage : celle des événements datés, puis, avec l'échelle fixe, au moins 40177 jours (110 ans)
// depuis son début ; sans elle, élargie à droite du temps que représentent 90 unités. Une plage
// de moins d'un an (une seule naissance exacte) est d'abord portée à 366 jours : une plage nulle
// ne se divise pas. Une plage vide (rien de daté) donne une échelle vide, qui ne place rien.
//
// Position : x = gauche + (jour − début) × largeur ÷ longueur, calculée sur 64 bits (une frise de
// deux mille ans déborderait 32 bits) et bornée à [gauche, gauche + largeur].
//
// Pas des graduations, en années : 1 quand la plage couvre au plus 20 ans, sinon le premier de
// 5, 10, 20, 50, 100, 200, 300, 500, 1000, 2000, 5000 qui donne au plus 20 pas (5000 au-delà).
// Chaque 1er janvier d'une année multiple du pas dans la plage est une graduation (il n'y a pas
// d'an 0).
#include <cstdint>
#include <vector>

#include "documents/frises/EvenementFrise.h"

namespace lignara {

struct Graduation {
    int annee = 0;
    std::int32_t x = 0;
};

class EchelleTemps {
public:
    static constexpr std::int32_t kJours110Ans = 40177;
    static constexpr std::int32_t kMargeDroite = 90;  // unités gardées à droite du dernier événement
    static constexpr std::int32_t kPlageMinimale = 366;

    EchelleTemps() = default;
    // largeur : unités de dessin de l'axe (plus de kMargeDroite).
    EchelleTemps(PlageJours plage, std::int32_t gauche, std::int32_t largeur, bool fixe110Ans);

    bool vide() const { return fin_ <= debut_; }
    std::int32_t debut() const { return debut_; }
    std::int32_t fin() const { return fin_; }
    std::int32_t gauche() const { return gauche_; }
    std::int32_t droite() const { return gauche_ + largeur_; }

    std::int32_t x(std::int32_t jour) const;
    int pasAnnees() const;
    std::vector<Graduation> graduations() const;

private:
    std::int32_t debut_ = 0, fin_ = 0;
    std::int32_t gauche_ = 0, largeur_ = 0;
};

}  // namespace lignara
