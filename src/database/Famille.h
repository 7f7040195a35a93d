#pragma once
// Famille : 24 octets, la fiche f au décalage des familles + 24 × (f − 1), little-endian.
// Un couple a une fiche par conjoint présent ; les deux fiches se désignent l'une l'autre.
//   DÉC.  TAILLE  CONTENU
//     0     4     numéro de l'autre conjoint (0 : inconnu)
//     4     4     premier enfant (0 : aucun) ; les suivants par les liens de fratrie
//     8     4     numéro de l'événement mariage (0 : ni date ni lieu)
//    12     4     divorce (i32) : −1 pas de divorce ; 0 divorcés sans date ni lieu ; > 0 événement
//    16     4     famille suivante du même conjoint (i32) : > 0 fiche suivante ; la dernière porte
//                 −(première fiche de la chaîne de ce conjoint)
//    20     4     fiche de l'autre conjoint pour ce même couple (0 : une seule fiche)
#include <cstdint>

#include "database/Octets.h"

namespace lignara {

struct Famille {
    std::uint32_t conjoint = 0;
    std::uint32_t premierEnfant = 0;
    std::uint32_t mariage = 0;
    std::int32_t divorce = -1;
    std::int32_t suivante = 0;
    std::uint32_t ficheDuConjoint = 0;

    static constexpr int kTaille = 24;

    void ecrire(std::uint8_t* o) const {
        using namespace octets;
        ecrireU32(o + 0, conjoint);
        ecrireU32(o + 4, premierEnfant);
        ecrireU32(o + 8, mariage);
        ecrireI32(o + 12, divorce);
        ecrireI32(o + 16, suivante);
        ecrireU32(o + 20, ficheDuConjoint);
    }

    static Famille lire(const std::uint8_t* o) {
        using namespace octets;
        Famille f;
        f.conjoint = lireU32(o + 0);
        f.premierEnfant = lireU32(o + 4);
        f.mariage = lireU32(o + 8);
        f.divorce = lireI32(o + 12);
        f.suivante = lireI32(o + 16);
        f.ficheDuConjoint = lireU32(o + 20);
        return f;
    }

    friend bool operator==(const Famille&, const Famille&) = default;
};

}  // namespace lignara
