#pragma once
// Dégradé axial (type 2) peint dans un carré unité que le contenu de la page retourne sur le
// rectangle : direction 0 première couleur en haut, 1 en bas, 2 à gauche, 3 à droite.
#include <cstdint>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfDegrade : public ObjetPdf {
public:
    ObjetPdfDegrade(std::uint16_t numero, int direction, std::uint16_t fonction);

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    std::uint16_t type_ = 2;
    const char* coordonnees_;
    std::uint16_t fonction_;
};

}  // namespace lignara
