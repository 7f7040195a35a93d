#pragma once
// Drapeaux du logiciel qui a écrit un fichier GEDCOM (un u16 par fichier), choisis d'après la
// valeur de la ligne « 1 SOUR » de l'en-tête : chaque logiciel a ses habitudes (ordre des
// enfants, noms inconnus écrits « X » ou « ? », sources de photos…).
#include <cstdint>
#include <string_view>

namespace lignara {

namespace drapeaux {
inline constexpr std::uint16_t kTrierEnfants = 1;       // enfants triés par date de naissance
inline constexpr std::uint16_t kTrierMariages = 2;      // familles d'un conjoint triées par mariage
inline constexpr std::uint16_t kNomInconnuVide = 4;     // nom « X » ou « ? » rangé vide
inline constexpr std::uint16_t kPrenomInconnuVide = 8;  // de même pour les prénoms (avec 4)
inline constexpr std::uint16_t kSourcesPhotos = 32;     // SOUR « Photo de l'arbre » : fichiers photo
inline constexpr std::uint16_t kSigleLieu = 64;         // lieu « FRA, … » : sigle de pays
inline constexpr std::uint16_t kCauseProfession = 128;  // OCCU.CAUS donne la profession
}  // namespace drapeaux

// Compare le début de la valeur (casse ignorée) aux noms connus ; 0 pour tout autre logiciel.
std::uint16_t DrapeauxLogiciel(std::string_view valeurSour);

}  // namespace lignara
