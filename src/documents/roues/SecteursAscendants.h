#pragma once
// Roue ascendante, entière ou demi-roue (la moitié haute de la roue mixte) : cercles, rayons
// des secteurs et noms des ancêtres, dans un DessinRoue (GeometrieRoue.h pour les cercles et la
// table des pas).
//
// Secteurs : l'anneau g (1 ≤ g < n) a 2^g secteurs (demi-roue : 2^g sur un demi-tour) ; le
// secteur i couvre les pas i × 2^(8 − g) à (i + 1) × 2^(8 − g) (demi-roue : 2^(7 − g)). Le
// père d'un ancêtre de rang i prend le rang 2i de l'anneau suivant, la mère 2i + 1 : l'ordre
// de Sosa, le côté du père en haut (à gauche pour la demi-roue).
//
// Noms, selon le mode du cercle extérieur de l'anneau :
//  - 0, la racine au centre : prénoms et nom centrés, lignes de base à +32 et −128 ;
//  - 1, le long des arcs : prénoms et nom ajustés chacun à la longueur de l'arc de sa propre
//    ligne, prise au plus petit rayon que ses lettres touchent, moins 90 ; à l'envers sur la
//    moitié basse pour qu'ils se lisent de gauche à droite ;
//  - 2, deux lignes rayonnantes, les prénoms au-dessus de la ligne médiane du secteur, le nom
//    au-dessous, lisant vers l'extérieur à droite (cosinus ≥ 0) et vers le centre à gauche,
//    toujours à 45 du cercle intérieur ;
//  - 3, une ligne rayonnante « Prénoms NOM », tournée de 52 dix-millièmes de radian pour que
//    ses lettres, qui montent plus haut qu'elles ne descendent, restent au milieu du secteur :
//    en arrière du sens trigonométrique quand elle lit vers l'extérieur (cosinus ≥ 0), en
//    avant quand elle lit vers le centre.
// La demi-roue garde les modes 0 et 1 ; ses anneaux 5 à 7, aux secteurs deux fois plus
// étroits, n'ont la place que d'une ligne « Prénoms NOM » centrée sur la ligne médiane.
#include <cstdint>
#include <string>
#include <vector>

#include "commun/MetriquePolice.h"
#include "documents/ContexteDocument.h"
#include "documents/roues/DessinRoue.h"

namespace lignara {

// Hauteur des lettres au-dessus et au-dessous de leur ligne de base, à 10 points (hampes des
// minuscules et capitales sans accent, jambages) : ce qu'un nom occupe de part et d'autre.
inline constexpr std::int32_t kHautLettres = 120;
inline constexpr std::int32_t kBasLettres = 36;

struct AncetreRoue : NomRoue {
    std::uint32_t personne = 0;
    int anneau = 0;            // 0 : la racine, au centre
    std::uint32_t indice = 0;  // rang dans l'anneau, ordre de Sosa depuis 0
};

// La racine et ses ancêtres connus sur « generations » générations (anneaux 0 à n − 1).
std::vector<AncetreRoue> ancetresRoue(const ContexteDocument& contexte, std::uint32_t racine, int generations);

struct ReglesRoueAscendante {
    int generations = 9;  // cercles 1 à n ; 2 à 9 (demi-roue : 2 à 8)
    bool demiRoue = false;
    const MetriquePolice* police = nullptr;
};

// Cercles, rayons des secteurs et noms des ancêtres, relatifs au centre. Le disque central est
// toujours un cercle entier ; la demi-roue trace les autres en arcs de 0 à π.
void dessinerRoueAscendante(DessinRoue& dessin, const std::vector<AncetreRoue>& ancetres,
                            const ReglesRoueAscendante& regles);

// Les noms d'un ancêtre hors du centre (anneau ≥ 1), selon le mode de son anneau.
void placerNomsAncetre(DessinRoue& dessin, const AncetreRoue& ancetre, bool demiRoue, const MetriquePolice& police);

// Lignes du disque central : prénoms et nom de la racine, centrés, lignes de base à +32 et
// −128, puis une ligne en italique « Prénoms NOM » par conjoint tant que le disque en a la
// place ; chaque ligne est ajustée à la corde du disque à sa hauteur.
void placerCentre(DessinRoue& dessin, std::int32_t rayon, const NomRoue& racine, const std::vector<NomRoue>& conjoints,
                  const MetriquePolice& reguliere, const MetriquePolice& italique);

// Largeur utile d'une ligne de texte de base y (depuis le centre) dans un disque de ce rayon :
// la corde à la hauteur la plus éloignée du centre que ses lettres touchent, moins 90.
std::int32_t largeurDansDisque(std::int32_t rayon, std::int32_t y);

}  // namespace lignara
