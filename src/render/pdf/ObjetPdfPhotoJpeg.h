#pragma once
// Photo placée dans le document, réencodée en JPEG à la taille en pixels de sa place (taille
// en unités de dessin ÷ 5, soit 230,4 pixels par pouce) au moment où le fichier s'écrit.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

// Écrit les données JPEG de la photo chemin à largeur × hauteur pixels ; doit écrire une image
// valide (blanche par exemple) quand la photo ne peut être lue.
using EncodeurJpeg = std::function<void(std::ostream& sortie, const std::string& chemin, std::int32_t largeurPixels,
                                        std::int32_t hauteurPixels)>;

class ObjetPdfPhotoJpeg : public ObjetPdf {
public:
    ObjetPdfPhotoJpeg(std::uint16_t numero, std::int32_t largeurPixels, std::int32_t hauteurPixels, std::string chemin,
                      EncodeurJpeg encodeur)
        : ObjetPdf(numero),
          largeur_(largeurPixels),
          hauteur_(hauteurPixels),
          chemin_(std::move(chemin)),
          encodeur_(std::move(encodeur)) {}

    std::int32_t largeurPixels() const { return largeur_; }
    std::int32_t hauteurPixels() const { return hauteur_; }
    const std::string& chemin() const { return chemin_; }

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    std::int32_t largeur_;
    std::int32_t hauteur_;
    std::string chemin_;
    EncodeurJpeg encodeur_;
};

}  // namespace lignara
