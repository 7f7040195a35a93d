#pragma once
// Métriques d'un style (régulier ou italique) de la police d'un document, remplies par le
// chargement des polices ; tant qu'il n'a pas eu lieu, elles sont à zéro (« trouvee » vaut 0)
// et toutes les largeurs sont nulles. Chaque document tient les siennes (PolicesDocument) et
// les passe à ceux qui mesurent.
//
// largeurs : centièmes d'unité de dessin à 10 points (avance × 16000 ÷ unités par em).
// Valeurs du descripteur PDF en 1/1000 em (champs multipliés par 72 dans le système d'origine
// des métriques : voir le chargement).
#include <cstdint>
#include <string_view>

namespace lignara {

struct MetriquePolice {
    std::uint8_t trouvee = 0;
    std::uint8_t italique = 0;
    std::uint8_t premierCaractere = 0;
    std::uint8_t dernierCaractere = 255;
    std::int16_t largeurs[256]{};
    std::int32_t drapeaux = 0;
    std::int32_t largeurBoite = 0;
    std::int32_t hauteur = 0;
    std::int16_t angleItalique = 0;
    std::uint16_t ascendant = 0;
    std::uint16_t descendant = 0;
    std::uint16_t hauteurCapitales = 0;
    std::uint16_t epaisseurTrait = 0;
};

// Largeur d'un texte Windows-1252 en unités de dessin à 10 points : somme des largeurs ÷ 100.
std::int32_t largeurTexte(const MetriquePolice& police, std::string_view texte1252);

}  // namespace lignara
