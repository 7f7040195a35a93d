#include "render/pdf/ObjetPdf.h"

#include <ostream>

#include "render/pdf/FormatPdf.h"

namespace lignara {

void ObjetPdf::ecrire(std::ostream& sortie, const ContextePdf& contexte) {
    if (estLibre(contexte)) return;
    auto p = sortie.tellp();
    position_ = p < 0 ? 0 : static_cast<std::uint64_t>(p);
    ecrireTexte(sortie, contexte);
}

std::string ObjetPdf::entete() const {
    std::string s;
    ajouterEntier(s, numero_);
    s += " 0 obj\n";
    return s;
}

void ecrireOctets(std::ostream& sortie, const std::string& texte) {
    sortie.write(texte.data(), static_cast<std::streamsize>(texte.size()));
}

}  // namespace lignara
