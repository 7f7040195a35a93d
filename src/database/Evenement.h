#pragma once
// Evenement : 20 octets, l'événement e au décalage des événements + 20 × (e − 1), little-endian.
//   DÉC.  TAILLE  CONTENU
//     0     6     la date, un DateGed
//     6     2     réservé, écrit à zéro
//     8     4     lieu, réf. dans TableLieux
//    12     4     source de l'événement, réf. dans TableSources
//    16     4     source du lieu, réf. dans TableSources
// Un emplacement réservé et jamais rempli est tout à zéro : date absente, ni lieu ni source.
#include <cstdint>

#include "dates/DateGed.h"
#include "database/Octets.h"

namespace lignara {

struct Evenement {
    DateGed date;
    std::uint32_t lieu = 0;
    std::uint32_t source = 0;
    std::uint32_t sourceLieu = 0;

    static constexpr int kTaille = 20;

    void ecrire(std::uint8_t* o) const {
        using namespace octets;
        date.ecrire(o);
        o[6] = 0;
        o[7] = 0;
        ecrireU32(o + 8, lieu);
        ecrireU32(o + 12, source);
        ecrireU32(o + 16, sourceLieu);
    }

    static Evenement lire(const std::uint8_t* o) {
        using namespace octets;
        Evenement e;
        e.date = DateGed::lire(o);
        e.lieu = lireU32(o + 8);
        e.source = lireU32(o + 12);
        e.sourceLieu = lireU32(o + 16);
        return e;
    }

    friend bool operator==(const Evenement&, const Evenement&) = default;
};

}  // namespace lignara
