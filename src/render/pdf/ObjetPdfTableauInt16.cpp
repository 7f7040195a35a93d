#include "render/pdf/ObjetPdfTableauInt16.h"

#include "render/pdf/FormatPdf.h"

namespace lignara {

void ObjetPdfTableauInt16::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    std::string s = entete();
    s += "     [ ";
    for (int i = 0; i < nombre_; ++i) {
        ajouterSeiziemes(s, premier_[i]);
        s += ' ';
        if ((i + 1) % 16 == 0) s += "\n       ";
    }
    s += "\n     ]\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
