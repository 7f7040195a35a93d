#include "render/pdf/ObjetPdfDescripteurPolice.h"

#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfPolice.h"

namespace lignara {

void ObjetPdfDescripteurPolice::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    const MetriquePolice& p = police_;
    std::string s = entete();
    s += "  << /Type /FontDescriptor\n     /FontName /";
    s += nomPolicePdf(nom_, p.italique != 0);
    s += "\n     /Flags ";
    ajouterEntier(s, p.drapeaux);
    s += "\n     /FontBBox [ 0 ";
    ajouterEntier(s, -static_cast<std::int32_t>(p.descendant));
    s += ' ';
    ajouterEntier(s, p.largeurBoite);
    s += ' ';
    ajouterEntier(s, p.ascendant);
    s += " ]\n     /ItalicAngle ";
    ajouterEntier(s, p.angleItalique);
    s += "\n     /Ascent ";
    ajouterEntier(s, p.ascendant);
    s += "\n     /Descent ";
    ajouterEntier(s, -static_cast<std::int32_t>(p.descendant));
    s += "\n     /CapHeight ";
    ajouterEntier(s, p.hauteurCapitales);
    s += "\n     /StemV ";
    ajouterEntier(s, p.epaisseurTrait);
    s += "\n  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
