#pragma once
// Ce qu'une carte dessine, en unités de dessin (y vers le haut), mis en place par la préparation
// et écrit tel quel sur la surface PDF : les remplissages dans l'ordre (les régions qui
// contiennent des enclaves d'abord, les plus grandes avant les plus petites, si bien que le blanc
// d'une enclave ne recouvre jamais une région comptée), puis tous les contours, les flèches,
// les cadres, les textes et la bande de signature.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/SurfacePdf.h"

namespace lignara {

struct DessinCarte {
    struct Remplissage {
        std::vector<std::int32_t> points;  // paires x, y
        std::uint32_t couleur = 0;         // 0x00BBGGRR
    };
    struct Texte {
        std::int32_t x = 0, y = 0;  // début de la ligne de base
        std::int32_t largeur = 0;
        std::string texte;  // Windows-1252
    };
    struct Cadre {
        std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    // Flèche courbe : la courbe de Bézier jusqu'à la base de la pointe, puis la pointe pleine.
    struct Fleche {
        std::array<std::int32_t, 8> courbe{};
        std::array<std::int32_t, 6> pointe{};
        float epaisseur = 1.0f;  // points
        std::uint32_t couleur = 0;
        int generation = 0;
        std::uint8_t depart = 0, arrivee = 0;  // régions
    };
    // Échantillon de trait d'une légende (flèches des générations).
    struct Echantillon {
        std::int32_t x1 = 0, x2 = 0, y = 0;
        float epaisseur = 1.0f;
        std::uint32_t couleur = 0;
    };

    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    std::vector<Remplissage> remplissages;
    std::vector<std::vector<std::int32_t>> contours;
    float epaisseurContours = 0.3f;
    std::vector<Fleche> fleches;
    std::vector<Echantillon> echantillons;
    std::vector<Cadre> cadres;
    std::vector<Texte> textes;
    std::optional<std::array<std::int32_t, 2>> signature;  // coin bas gauche de la bande
};

// Écrit le dessin sur une surface ouverte ; l'état de tracé est remis comme il était.
void ecrireDessinCarte(const DessinCarte& dessin, SurfacePdf& surface);

}  // namespace lignara
