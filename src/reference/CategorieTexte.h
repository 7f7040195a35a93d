#pragma once
// Normalisation des mots-clés de catégories et du texte où on les cherche (Windows-1252) :
// lettres en capitales sans accent, tout autre caractère en espace. Les deux côtés passent par
// la même table, si bien qu'un mot-clé « meunier » accorde « MEUNIÈRE » ou « Meunière ».
#include <cstdint>
#include <string>
#include <string_view>

namespace lignara {

// Caractère normalisé : 'A'–'Z' ou ' '.
char normaliserCaractereCategorie(char c);

bool estLettreCategorie(char normalise);

// Mot-clé normalisé, sans les espaces de tête et de queue (vide s'il n'a aucune lettre).
std::string normaliserMotCle(std::string_view motCle1252);

// Forme féminine d'un mot-clé normalisé de profession de 5 à 47 caractères (boulanger →
// BOULANGERE, instituteur → INSTITUTRICE, vendeur → VENDEUSE, patron → PATRONNE) ; vide quand la
// terminaison n'en donne pas ou que la longueur sort des bornes.
std::string formeFeminine(std::string_view motCleNormalise);

}  // namespace lignara
