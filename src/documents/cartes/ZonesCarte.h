#pragma once
// Les 34 pays des cartes (liste du contrôle 2052) : nom de 12 octets au plus et code de deux
// lettres, rangé dans un paramètre de 16 bits, première lettre dans l'octet haut (« FR » :
// 0x4652) ; c'est le codage du pays par défaut des préférences. L'octet bas est la seconde
// lettre : comparé aux octets d'un code de lieu, le code se lit donc octet haut d'abord.
#include <cstdint>
#include <string>
#include <vector>

#include "documents/ParametreDeclare.h"
#include "gedcom/LieuCodePays.h"

namespace lignara {

struct Configuration;

struct ZoneCarte {
    const char* nom;  // UTF-8 dans la table
    char code[3];
};

inline constexpr std::uint16_t kZoneFrance = 0x4652;

// Les 34 zones, dans l'ordre de la liste.
const std::vector<ZoneCarte>& zonesCarte();
// Choix du contrôle 2052 : libellé (Windows-1252) et code de 16 bits.
std::vector<ChoixParametre> choixZones();

constexpr std::uint16_t codeZone(CodePays pays) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(pays.octets[0]) << 8) |
                                      static_cast<unsigned char>(pays.octets[1]));
}
constexpr CodePays paysDeZone(std::uint16_t zone) {
    return CodePays(static_cast<char>(zone >> 8), static_cast<char>(zone & 0xFF));
}
// Vrai quand le code est celui de l'une des 34 zones.
bool estZoneCarte(std::uint16_t zone);
// Nom de la zone (Windows-1252) ; vide pour un autre code.
std::string nomZone(std::uint16_t zone);
// Zone de départ : le pays par défaut des préférences quand il est l'une des 34, sinon la
// France (aussi sans préférences).
std::uint16_t zoneParDefaut(const Configuration* preferences);

}  // namespace lignara
