#pragma once
// Réglages que lit la surface de dessin : couleurs, marges, format de papier, signature et
// police, et l'endroit où vont ses messages. Les valeurs par défaut sont celles des
// préférences ; les préférences de l'application remplissent cette structure quand elles sont
// chargées, le document y met ses messages.
//
// Couleurs : 0x00BBGGRR (rouge dans l'octet bas). Marges : unités de dessin.
#include <cstdint>
#include <string>

#include "render/FormatPapier.h"
#include "render/PoliceChargement.h"

namespace lignara {

constexpr std::uint32_t couleurRvb(std::uint8_t r, std::uint8_t v, std::uint8_t b) {
    return std::uint32_t{r} | (std::uint32_t{v} << 8) | (std::uint32_t{b} << 16);
}

struct ReglagesDessin {
    std::uint32_t couleurTexte = couleurRvb(0, 0, 0);
    std::uint32_t couleurHommes = couleurRvb(0, 0, 170);  // pages Web et RTF
    std::uint32_t couleurFemmes = couleurRvb(170, 0, 0);
    std::uint32_t couleurTrait = couleurRvb(0, 100, 0);
    std::uint32_t couleurRemplissage = couleurRvb(0, 128, 128);
    std::int32_t margeGauche = 352;  // 10 mm : mm × 1132 ÷ 25
    std::int32_t margeDroite = 352;
    std::int32_t margeHaut = 352;  // deux lignes de 176
    std::int32_t margeBas = 352;
    std::int16_t formatPapier = kNonPagine;
    bool signature = true;
    std::uint32_t couleurFondSignature = couleurRvb(210, 230, 210);
    // Police des préférences et lignes de la signature : la surface écrit ces lignes, la police
    // chargée pour elles (PolicesDocument) donne leurs largeurs et celle de la bande.
    ReglagesPolices polices;
    // Adresse web du produit, écrite dans /Creator et /Producer.
    std::string adresseWeb = "https://lignara.org";
    // Photo illisible à l'écriture du PDF, images ignorées du RTF… Vide : messages ignorés.
    RecepteurMessages messages;
};

}  // namespace lignara
