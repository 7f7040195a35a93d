#pragma once
// Dégradé peint dans un carré unité que le contenu de la page retourne sur le rectangle.
//   Axial (type 2) : direction 0 première couleur en haut, 1 en bas, 2 à gauche, 3 à droite.
//   Radial (type 3), pour les marques rondes : première couleur sur le cercle de centre
//   (0.5, 0.5) et de rayon millièmes ÷ 1000, seconde sur le cercle de rayon 0.5 ; rien n'est
//   peint hors de ce grand cercle, ni dans le petit : le rectangle devient un disque troué.
#include <cstdint>
#include <string>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfDegrade : public ObjetPdf {
public:
    ObjetPdfDegrade(std::uint16_t numero, int direction, std::uint16_t fonction);
    struct Radial {
        int milliemes;  // rayon du cercle intérieur, 0 à 499
    };
    ObjetPdfDegrade(std::uint16_t numero, Radial radial, std::uint16_t fonction);

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    std::uint16_t type_ = 2;
    std::string coordonnees_;
    std::uint16_t fonction_;
};

}  // namespace lignara
