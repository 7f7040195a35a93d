#include "render/pdf/ObjetPdfPhotoJpeg.h"

#include <ostream>

#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfStreamPage.h"

namespace lignara {

void ObjetPdfPhotoJpeg::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    std::string s = entete();
    s += "  << /Type /XObject\n     /Subtype /Image\n     /Name /Im";
    ajouterEntier(s, numero());
    s += "\n     /Width ";
    ajouterEntier(s, largeur_);
    s += "\n     /Height ";
    ajouterEntier(s, hauteur_);
    s += "\n     /ColorSpace /DeviceRGB\n     /BitsPerComponent 8\n     /Length ";
    ecrireOctets(sortie, s);
    std::int64_t reservee = reserverLongueur(sortie);
    sortie << "     /Filter /DCTDecode\n  >>\nstream\n";
    std::int64_t debut = sortie.tellp();
    if (encodeur_) encodeur_(sortie, chemin_, largeur_, hauteur_);
    std::int64_t fin = sortie.tellp();
    sortie << "\nendstream\nendobj\n\n";
    ecrireLongueur(sortie, reservee, static_cast<std::uint64_t>(fin > debut ? fin - debut : 0));
}

}  // namespace lignara
