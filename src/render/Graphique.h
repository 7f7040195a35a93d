#pragma once
// Base de tout document : taille du dessin, format de sortie et chemin du fichier produit.
// Les documents dessinent dans un seul espace de coordonnées (unités de dessin de 1/16 point,
// y vers le haut depuis le bas du dessin, marges non comprises) ; pour le PDF, ils ouvrent
// une SurfacePdf qui découpe cet espace en pages.
#include <cstdint>
#include <string>

namespace lignara {

enum class FormatSortie : std::uint8_t { Pdf = 0, Texte = 1, Rtf = 2, Web = 3 };

class Graphique {
public:
    static constexpr std::size_t kLongueurCheminMax = 259;

    std::int32_t largeur = 0;  // unités de dessin
    std::int32_t hauteur = 0;
    FormatSortie format = FormatSortie::Pdf;
    std::string chemin;  // chemin natif du système (octets tels que les rend std::filesystem)

    // Extension du fichier produit : « pdf », « txt », « rtf » ou « htm ».
    static const char* extension(FormatSortie format);
};

}  // namespace lignara
