#pragma once
// Fonction échantillonnée d'un dégradé : deux couleurs de trois octets, en hexadécimal.
#include <array>
#include <cstdint>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfFctDegrade : public ObjetPdf {
public:
    // couleurs : R, V, B de la première couleur puis de la seconde.
    ObjetPdfFctDegrade(std::uint16_t numero, const std::array<std::uint8_t, 6>& couleurs)
        : ObjetPdf(numero), couleurs_(couleurs) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    std::array<std::uint8_t, 6> couleurs_;
};

}  // namespace lignara
