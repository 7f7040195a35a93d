#include "render/pdf/ObjetPdfDegrade.h"

#include "render/pdf/FormatPdf.h"

namespace lignara {

ObjetPdfDegrade::ObjetPdfDegrade(std::uint16_t numero, int direction, std::uint16_t fonction)
    : ObjetPdf(numero), fonction_(fonction) {
    static constexpr const char* kCoordonnees[4] = {"0 0 0 1", "0 1 0 0", "0 0 1 0", "1 0 0 0"};
    coordonnees_ = kCoordonnees[direction >= 0 && direction < 4 ? direction : 0];
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
