#pragma once
// Pont vers la bibliothèque JPEG (IJG, API de la version 8) : lecture de la taille d'un fichier
// et compression de lignes RVB. Les erreurs de la bibliothèque ne terminent jamais le programme :
// son gestionnaire revient à l'appel (longjmp confiné dans BibliothequeJpeg.cpp) et l'appel rend
// false avec une raison en français tirée du code de l'erreur (jamais le texte anglais de la
// bibliothèque, qui citerait les premiers octets du fichier).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "commun/FichierEntree.h"

namespace lignara {

// Taille lue dans l'en-tête d'un fichier déjà ouvert, jamais au-delà de sa taille d'ouverture.
// Faux, avec la raison (« ce n'est pas une image JPEG », « image JPEG tronquée »…), sinon.
bool lireTailleJpeg(FichierEntree& fichier, std::int32_t& largeur, std::int32_t& hauteur, std::string& raison1252);

// Fournit la ligne y (0 = ligne du haut) : largeur × 3 octets rouge, vert, bleu.
using LigneRvb = std::function<const std::uint8_t*(std::int32_t y)>;

// Comprime largeur × hauteur pixels (paramètres par défaut, qualité par défaut, toutes les
// tables écrites). Les octets comprimés passent par un tampon de 16384 octets versé entier dans
// la sortie chaque fois qu'il est plein ; le reste est versé à la fin, puis la sortie est vidée.
// octetsEcrits compte ce qui est déjà parti dans la sortie, même en cas d'erreur.
bool encoderJpeg(std::ostream& sortie, std::int32_t largeur, std::int32_t hauteur, const LigneRvb& ligne,
                 std::string& messageErreur, std::uint64_t& octetsEcrits);

}  // namespace lignara
