#pragma once
// En-tête du fichier de base (46 octets au décalage 0). Format détaillé dans EnTeteBase.cpp.
// Les effectifs ne sont pas stockés : on les déduit des décalages.
#include <array>
#include <cstdint>

#include "database/TableTexte.h"

namespace lignara {

struct EnTeteBase {
    static constexpr int kTaille = 46;
    static constexpr std::uint16_t kNumeroFormat = 501;

    std::uint16_t numeroFormat = kNumeroFormat;
    std::uint32_t individus = kTaille;
    std::uint32_t familles = kTaille;
    std::uint32_t evenements = kTaille;
    std::uint32_t notes = kTaille;
    std::array<std::uint32_t, kNombreTablesTexte> tables{};

    void ecrire(std::uint8_t* octets) const;
    static EnTeteBase lire(const std::uint8_t* octets);

    // Lève DonneesCorrompues au premier champ contraire au format pour un fichier de cette taille.
    void verifier(std::uint64_t tailleFichier) const;

    std::uint32_t nombreIndividus() const;
    std::uint32_t nombreFamilles() const;
    std::uint32_t nombreEvenements() const;

    friend bool operator==(const EnTeteBase&, const EnTeteBase&) = default;
};

}  // namespace lignara
