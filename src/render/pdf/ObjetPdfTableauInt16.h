#pragma once
// Tableau de valeurs 16 bits (les largeurs d'une police), chacune écrite ÷ 16 en points à
// virgule fixe, seize par ligne.
#include <cstdint>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfTableauInt16 : public ObjetPdf {
public:
    // premier : début d'une suite de nombre valeurs gardée par l'appelant jusqu'à l'écriture.
    ObjetPdfTableauInt16(std::uint16_t numero, const std::int16_t* premier, std::int16_t nombre)
        : ObjetPdf(numero), premier_(premier), nombre_(nombre) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    const std::int16_t* premier_;
    std::int16_t nombre_;
};

}  // namespace lignara
