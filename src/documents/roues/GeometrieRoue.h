#pragma once
// Géométrie des roues, en unités de dessin, le centre de la roue pris pour origine.
//
// Roue ascendante : neuf cercles. L'anneau 0 est le disque central (la racine), dans le cercle
// 1 ; l'anneau g ≥ 1 va du cercle g au cercle g + 1 et porte la génération g ; une roue de n
// générations finit au cercle n. Chaque anneau écrit ses noms dans le mode de texte de son
// cercle extérieur (0 au centre, 1 le long des arcs, 2 deux lignes rayonnantes, 3 une seule).
//
//   cercle  1    2    3    4    5    6    7    8     9
//   rayon   800  1440 2080 2720 3360 4800 6240 8160  10080
//   mode    0    1    1    1    1    2    2    3     3
//
// Les secteurs suivent une table de 256 pas de 2π ÷ 256 qui part de l'angle π et tourne dans
// le sens des aiguilles d'une montre : le pas j est à l'angle π − j × 2π ÷ 256, si bien que le
// premier demi-tour (côté du père) est la moitié haute. Cosinus et sinus en dix-millièmes,
// tronqués ; angles en dix-millièmes de radian, de 31416 (π) à −31416 (−π).
//
// Roue descendante : l'anneau k ≥ 1 est mesuré au rayon 1976 × k − 360 ; une boîte de 176 de
// large (une ligne de texte) y prend l'angle 2 × asin(88 ÷ r), calculé en simple précision.
#include <array>
#include <cstdint>

namespace lignara {

namespace roue {

inline constexpr int kCerclesMax = 9;
inline constexpr int kPasTable = 256;
inline constexpr std::int32_t kPi = 31416;  // dix-millièmes de radian
inline constexpr double kPiExact = 3.14159265358979323846;

// Rayon du cercle i (1 à 9) ; 0 pour i = 0 (le centre).
std::int32_t rayonCercle(int cercle);
// Mode de texte du cercle i (1 à 9).
int modeCercle(int cercle);

// Nombre de générations d'une roue ascendante sans favori, selon le format de papier.
int generationsPourFormat(std::int16_t formatPapier);

struct CosSin {
    std::int32_t cos = 0;  // dix-millièmes
    std::int32_t sin = 0;
};
// Pas j, pris modulo 256.
CosSin pasTable(int pas);
// Angle du pas j (0 à 256) en dix-millièmes de radian.
std::int32_t angleDuPas(int pas);
// Cosinus et sinus d'un angle en dix-millièmes de radian, en simple précision, × 10000
// tronqués.
CosSin cosSinAngle(std::int32_t angle);

// Roue descendante.
inline constexpr int kAnneauxDescendantsMax = 15;
inline constexpr std::int32_t kLargeurAnneau = 1976;
std::int32_t rayonAnneauDescendant(int anneau);  // 1976 × k − 360
float angleBoite(int anneau);                    // 2 × asin(88 ÷ r), radians
// Cercle intérieur de l'anneau k de la roue descendante : 45 unités avant le rayon où ses
// textes commencent. Le cercle intérieur de l'anneau n + 1 est le bord de la roue.
std::int32_t cercleDescendant(int anneau);

// Boîte englobante, autour du centre, d'une couronne de rayons rInterieur ≤ rExterieur entre
// les angles debut ≤ fin (radians).
struct BoiteRoue {
    std::int32_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    void ajouter(const BoiteRoue& autre);
};
BoiteRoue boiteCouronne(std::int32_t rInterieur, std::int32_t rExterieur, double debut, double fin);

}  // namespace roue

}  // namespace lignara
