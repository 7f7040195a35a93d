#include "render/pdf/ObjetPdfImageDwa.h"

#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfSsImageDwa.h"

namespace lignara {

void ObjetPdfImageDwa::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    std::string s = entete();
    s += "  << /Type /XObject\n     /Subtype /Form\n     /BBox [ 0 0 1 1 ]\n     /Length 6\n"
         "     /Group <<\n        /Type /Group\n        /S /Transparency\n"
         "        /CS /DeviceRGB\n     >>\n     /Resources <<\n"
         "        /ExtGState << /a0 << /CA 1 /ca 1 >> >>\n        /XObject << /Im ";
    ajouterEntier(s, couleur_.numero());
    s += " 0 R >>\n     >>\n  >>\nstream\n/Im Do\nendstream\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
