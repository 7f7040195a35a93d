#include "render/pdf/ObjetPdfDocument.h"

#include "render/pdf/FormatPdf.h"

namespace lignara {

void ObjetPdfDocument::ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) {
    std::string s = entete();
    s += "  << /Type /Catalog\n     /Pages ";
    ajouterEntier(s, contexte.listePages);
    s += " 0 R\n  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
