#include "render/pdf/ObjetPdfSsImageDwa.h"

#include <ostream>

#include "images/ImageDwa.h"
#include "render/pdf/FormatPdf.h"

namespace lignara {

void ObjetPdfSsImageDwa::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    const ImageDwa::EnTete& e = image_.enTete();
    const bool couleur = masque_ != nullptr;
    const std::string_view donnees = couleur ? image_.couleurs() : image_.masque();
    std::string s = entete();
    s += "  << /Length ";
    ajouterEntier(s, static_cast<std::int64_t>(donnees.size()));
    s += "\n\t  /Filter /FlateDecode\n     /Type /XObject\n     /Subtype /Image\n     /Width ";
    ajouterEntier(s, e.largeur);
    s += "\n     /Height ";
    ajouterEntier(s, e.hauteur);
    s += "\n";
    if (couleur) {
        s += "\t /ColorSpace /DeviceRGB\n     /Interpolate true\n     /SMask ";
        ajouterEntier(s, masque_->numero());
        s += " 0 R\n";
    } else {
        s += "     /ColorSpace /DeviceGray\n";
    }
    s += "     /BitsPerComponent 8\n   >>\n stream\n";
    s += donnees;
    s += "\nendstream\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
