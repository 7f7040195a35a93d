#include "render/pdf/ObjetPdfDegrade.h"

#include <algorithm>
#include <cstdio>

#include "render/pdf/FormatPdf.h"

namespace lignara {

ObjetPdfDegrade::ObjetPdfDegrade(std::uint16_t numero, int direction, std::uint16_t fonction)
    : ObjetPdf(numero), fonction_(fonction) {
    static constexpr const char* kCoordonnees[4] = {"0 0 0 1", "0 1 0 0", "0 0 1 0", "1 0 0 0"};
    coordonnees_ = kCoordonnees[direction >= 0 && direction < 4 ? direction : 0];
}

ObjetPdfDegrade::ObjetPdfDegrade(std::uint16_t numero, Radial radial, std::uint16_t fonction)
    : ObjetPdf(numero), type_(3), fonction_(fonction) {
    char c[40];
    std::snprintf(c, sizeof c, "0.5 0.5 0.%03d 0.5 0.5 0.5", std::clamp(radial.milliemes, 0, 499));
    coordonnees_ = c;
}

void ObjetPdfDegrade::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    std::string s = entete();
    s += "  << /ShadingType ";
    ajouterEntier(s, type_);
    s += "\n     /ColorSpace /DeviceRGB\n     /Coords [ ";
    s += coordonnees_;
    s += " ]\n     /Function ";
    ajouterEntier(s, fonction_);
    s += " 0 R\n  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
