#pragma once
// Forme qui dessine une image interne dans le carré unité, avec son groupe de transparence
// (le masque de l'image de couleur en donne l'opacité).
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfSsImageDwa;

class ObjetPdfImageDwa : public ObjetPdf {
public:
    ObjetPdfImageDwa(std::uint16_t numero, const ObjetPdfSsImageDwa& couleur) : ObjetPdf(numero), couleur_(couleur) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    const ObjetPdfSsImageDwa& couleur_;
};

}  // namespace lignara
