#pragma once
// Rédacteur des blocs positionnés d'un graphique en page Web (arbres, roues, frises, cartes,
// diagrammes) : boîtes à lignes centrées, traits pointillés d'un pixel, équerres, textes
// placés, aplats de couleur et renvois vers une ancre. Chaque bloc est un élément <div> placé
// en pixels dans la page positionnée d'une PageWeb (HTML 4.01 strict), qu'il écrit à la suite.
//
// Passage aux pixels d'un graphique (entiers sur 64 bits, division tronquée vers zéro), avec
// les deux décalages donnés à la construction, en unités de dessin :
//   x -> (x + décalage x) × 7 ÷ 100             largeur  w -> w × 7 ÷ 100
//   y -> hauteur de page − (y + décalage y) × 1467 ÷ 17600    hauteur h -> h × 1467 ÷ 17600
// Les arbres se décalent de marge gauche − 45 et marge haute + 176 (pourArbre) ; un graphique
// qui suit les éléments de la page elle-même prend marge gauche et marge basse.
//
// Les textes donnés sont des données (Windows-1252) : ils sont échappés ici. Les noms d'ancres
// et les symboles des renvois sont le balisage du document, jamais un texte des données.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/html/PageWeb.h"

namespace lignara {

// Boîte à lignes centrées, bordée d'un pixel de la couleur des traits. Unités de dessin.
struct BoiteWeb {
    std::int32_t x = 0;        // bord gauche
    std::int32_t haut = 0;     // y du haut
    std::int32_t bas = 0;      // y du bas
    std::int32_t largeur = 0;  // photo comprise
    // Photo à gauche du texte (0 : aucune) : placée 45 à droite du bord et 56 sous le haut,
    // 49 pixels de haut ; le texte se centre dans ce qui reste à sa droite.
    std::int32_t largeurPhoto = 0;
    std::string photo;                             // chemin, Windows-1252
    std::string ancre;                             // ancre posée en tête de la boîte, vide : aucune
    std::vector<std::string> autresAncres;         // ancres vides posées après elle
    std::optional<std::uint32_t> fond;             // couleur 0x00BBGGRR
    std::optional<std::uint32_t> couleurPremiere;  // couleur de la première ligne
    std::string premiere;                          // première ligne (le nom)
    std::span<const std::string> lignes;           // lignes suivantes, vides comprises
};

class RedacteurBlocsWeb {
public:
    // La page doit être ouverte positionnée et vivre plus longtemps que le rédacteur.
    RedacteurBlocsWeb(PageWeb& page, std::int32_t decalageX, std::int32_t decalageY);
    static RedacteurBlocsWeb pourArbre(PageWeb& page);

    std::int64_t x(std::int64_t unites) const;
    std::int64_t y(std::int64_t unites) const;

    // Traits pointillés d'un pixel, de la couleur des traits ; rien quand ils n'ont pas au
    // moins un pixel de long.
    void traitVertical(std::int32_t x, std::int32_t y1, std::int32_t y2);
    void traitHorizontal(std::int32_t x1, std::int32_t x2, std::int32_t y);
    // De (x1, y1) à (x2, y2) en trois traits : montée jusqu'à mi-hauteur, palier, montée.
    void equerre(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // Texte sur une ligne, sa ligne de base en y (son haut 14 pixels plus haut) ; rien s'il est vide.
    void texte(std::int32_t x, std::int32_t y, std::string_view texte1252);
    void boite(const BoiteWeb& boite);
    // Rectangle plein sans bord, de haut gauche (x, yHaut).
    void aplat(std::int32_t x, std::int32_t yHaut, std::int32_t largeur, std::int32_t hauteur, std::uint32_t couleur);
    // Lien sans soulignement vers l'ancre, au-dessus de y ; ses symboles (balisage, environ 8
    // pixels de large, interligne réduit de moitié) se centrent sur xCentre.
    void renvoi(std::int32_t xCentre, std::int32_t y, std::string_view ancre, std::string_view symboles);

    PageWeb& page() { return page_; }

private:
    PageWeb& page_;
    std::int32_t decalageX_;
    std::int32_t decalageY_;
};

}  // namespace lignara
