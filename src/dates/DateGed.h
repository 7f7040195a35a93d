#pragma once
// DateGed : la date de 6 octets de la base de travail.
//   DÉC.  TAILLE  CONTENU
//     0     1     qualificatif : 0 exacte ou simple, 1 avant, 2 après, 3 vers, 4 entre deux années
//     1     1     jour 1-31, 0 inconnu        } qualificatif 4 : première année (i16 little-endian)
//     2     1     mois 1-12, 0 inconnu        }
//     3     1     réservé, écrit à zéro
//     4     2     année (i16 little-endian), négative avant notre ère ; 0 : date absente
#include <cstdint>

namespace lignara {

enum QualificatifDate : std::uint8_t {
    DateSimple = 0,
    DateAvant = 1,
    DateApres = 2,
    DateVers = 3,
    DateEntre = 4,
};

struct DateGed {
    std::uint8_t qualificatif = DateSimple;
    std::uint8_t jour = 0;
    std::uint8_t mois = 0;
    std::int16_t annee = 0;

    static constexpr int kTaille = 6;

    // Une année nulle rend toute la date absente, quel que soit le reste.
    bool absente() const { return annee == 0; }

    // Qualificatif 4 : la première année occupe les octets du jour et du mois.
    std::int16_t premiereAnnee() const { return static_cast<std::int16_t>(jour | (mois << 8)); }
    void fixerPremiereAnnee(std::int16_t a) {
        auto u = static_cast<std::uint16_t>(a);
        jour = static_cast<std::uint8_t>(u & 0xFF);
        mois = static_cast<std::uint8_t>(u >> 8);
    }

    void ecrire(std::uint8_t* octets) const {
        auto u = static_cast<std::uint16_t>(annee);
        octets[0] = qualificatif;
        octets[1] = jour;
        octets[2] = mois;
        octets[3] = 0;
        octets[4] = static_cast<std::uint8_t>(u & 0xFF);
        octets[5] = static_cast<std::uint8_t>(u >> 8);
    }
    static DateGed lire(const std::uint8_t* octets) {
        DateGed d;
        d.qualificatif = octets[0];
        d.jour = octets[1];
        d.mois = octets[2];
        d.annee = static_cast<std::int16_t>(octets[4] | (octets[5] << 8));
        return d;
    }

    friend bool operator==(const DateGed&, const DateGed&) = default;
};

}  // namespace lignara
