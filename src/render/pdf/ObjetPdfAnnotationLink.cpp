#include "render/pdf/ObjetPdfAnnotationLink.h"

#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfPage.h"
#include "render/pdf/ObjetPdfStreamPage.h"

namespace lignara {

namespace {
// Point de la page (unités de dessin de tout le dessin) dans l'espace par défaut de la page,
// comme le prologue de son contenu : ((x ÷ 16 + tx) × s ÷ u, (y ÷ 16 + ty) ÷ u).
void ajouterPoint(std::string& s, const ObjetPdfPage& page, std::int32_t x, std::int32_t y, const ContextePdf& c) {
    double u = c.uniteUtilisateur;
    ajouterReel(s, (x / 16.0 + page.flux().tx()) * c.etirement / u, 4);
    s += ' ';
    ajouterReel(s, (y / 16.0 + page.flux().ty()) / u, 4);
}
}  // namespace

const CibleLien* ObjetPdfAnnotationLink::cible(const ContextePdf& contexte) const {
    if (!contexte.cibles) return nullptr;
    auto it = contexte.cibles->find(identifiant_);
    if (it == contexte.cibles->end() || !it->second.page) return nullptr;
    return &it->second;
}

bool ObjetPdfAnnotationLink::estLibre(const ContextePdf& contexte) const { return cible(contexte) == nullptr; }

void ObjetPdfAnnotationLink::ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) {
    const CibleLien* c = cible(contexte);
    std::string s = entete();
    s += "  << /Type /Annot\n     /Subtype /Link\n     /Dest [";
    ajouterEntier(s, c->page->numero());
    s += " 0 R /XYZ ";
    ajouterPoint(s, *c->page, c->x, c->y, contexte);
    s += " null]\n     /Rect [";
    ajouterPoint(s, page_, x1_, y1_, contexte);
    s += ' ';
    ajouterPoint(s, page_, x2_, y2_, contexte);
    s += "]\n     /Border [0 0 0]\n  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
