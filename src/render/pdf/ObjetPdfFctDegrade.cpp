#include "render/pdf/ObjetPdfFctDegrade.h"

#include <cstdio>

namespace lignara {

void ObjetPdfFctDegrade::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    const auto& c = couleurs_;
    char octets[32];
    std::snprintf(octets, sizeof octets, "%02X %02X %02X %02X %02X %02X", c[0], c[1], c[2], c[3], c[4], c[5]);
    std::string s = entete();
    s += "  << /FunctionType 0\n     /Domain [ 0 1 ]\n     /Range [ 0 1 0 1 0 1 ]\n"
         "     /Size [ 2 ]\n     /BitsPerSample 8\n     /Length 18\n"
         "     /Filter /ASCIIHexDecode\n  >>\nstream\n";
    s += octets;
    s += "\nendstream\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
