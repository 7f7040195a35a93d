#pragma once
// Image d'une image interne (images/ImageDwa) : la couleur (RVB, avec le masque pour
// transparence) ou le masque (gris). Les données, déjà au format zlib dans le fichier et
// contrôlées à son ouverture, sont recopiées sans être décodées.
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ImageDwa;

class ObjetPdfSsImageDwa : public ObjetPdf {
public:
    // image : celle de l'emplacement, gardée par la surface jusqu'à l'écriture.
    // masque : l'image du masque pour l'image de couleur ; nul pour le masque lui-même.
    ObjetPdfSsImageDwa(std::uint16_t numero, const ImageDwa& image, const ObjetPdfSsImageDwa* masque)
        : ObjetPdf(numero), image_(image), masque_(masque) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    const ImageDwa& image_;
    const ObjetPdfSsImageDwa* masque_;
};

}  // namespace lignara
