#include "render/pdf/ObjetPdfFormat.h"

namespace lignara {

void ObjetPdfFormat::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    ecrireOctets(sortie, entete() + "     [ /PDF /Text ]\nendobj\n\n");
}

}  // namespace lignara
