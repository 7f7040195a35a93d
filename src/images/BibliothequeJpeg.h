#pragma once
// Pont vers la bibliothèque JPEG (IJG, API de la version 8) : lecture de la taille d'un fichier
// et compression de lignes RVB. Les erreurs de la bibliothèque ne terminent jamais le programme :
// son gestionnaire revient à l'appel (longjmp confiné dans BibliothequeJpeg.cpp) et l'appel rend
// false avec le message de la bibliothèque.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

namespace lignara {

// Rend false sans message quand le fichier ne s'ouvre pas, avec le message de la bibliothèque
// quand l'en-tête est mauvais.
bool lireTailleJpeg(const std::filesystem::path& chemin, std::int32_t& largeur,
                    std::int32_t& hauteur, std::string& messageErreur);

// Fournit la ligne y (0 = ligne du haut) : largeur × 3 octets rouge, vert, bleu.
using LigneRvb = std::function<const std::uint8_t*(std::int32_t y)>;

// Comprime largeur × hauteur pixels (paramètres par défaut, qualité par défaut, toutes les
// tables écrites). Les octets comprimés passent par un tampon de 16384 octets versé entier dans
// la sortie chaque fois qu'il est plein ; le reste est versé à la fin, puis la sortie est vidée.
// octetsEcrits compte ce qui est déjà parti dans la sortie, même en cas d'erreur.
bool encoderJpeg(std::ostream& sortie, std::int32_t largeur, std::int32_t hauteur,
                 const LigneRvb& ligne, std::string& messageErreur, std::uint64_t& octetsEcrits);

// « Erreur dans le fichier %s\n%s » : nom du fichier et message de la bibliothèque.
std::string messageErreurJpeg(const std::string& chemin1252, const std::string& message);

}  // namespace lignara
