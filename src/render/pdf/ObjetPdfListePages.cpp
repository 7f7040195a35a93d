#include "render/pdf/ObjetPdfListePages.h"

#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfPage.h"

namespace lignara {

void ObjetPdfListePages::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    std::string s = entete();
    s += "  << /Type /Pages\n     /Kids [";
    int nombre = 0;
    for (const auto& contenu : pages_) {
        if (!contenu || !contenu->page()) continue;
        s += ' ';
        ajouterEntier(s, contenu->page()->numero());
        s += " 0 R ";
        ++nombre;
    }
    s += "]\n     /Count ";
    ajouterEntier(s, nombre);
    s += "\n  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
