#include "render/pdf/ObjetPdfPage.h"

#include "render/pdf/ContenuPage.h"
#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfAnnotationLink.h"
#include "render/pdf/ObjetPdfPhotoJpeg.h"
#include "render/pdf/ObjetPdfStreamPage.h"

namespace lignara {

namespace {
constexpr const char* kRetrait = "                   ";  // 19 blancs, sous « /Resources << »

void ajouterReference(std::string& s, std::uint16_t numero) {
    ajouterEntier(s, numero);
    s += " 0 R";
}
}  // namespace

void ObjetPdfPage::ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) {
    double u = contexte.uniteUtilisateur;
    std::string s = entete();
    s += "  << /Type /Page\n     /Parent ";
    ajouterReference(s, contexte.listePages);
    s += "\n     /UserUnit ";
    ajouterCourt(s, u);
    s += "\n     /MediaBox [0 0 ";
    ajouterCourt(s, (largeurUtile_ / 16) / u);
    s += ' ';
    ajouterCourt(s, (hauteurPage_ / 16) / u);
    s += "]\n     /Contents ";
    ajouterReference(s, flux_.numero());
    s += "\n     /Resources << /Font << /F1 ";
    ajouterReference(s, contexte.policeReguliere);
    s += ' ';
    if (contexte.policeItalique != 0) {
        s += "/F2 ";
        ajouterReference(s, contexte.policeItalique);
        s += ' ';
    }
    s += ">>\n";
    s += kRetrait;
    s += "/ProcSet ";
    ajouterReference(s, contexte.format);
    s += '\n';
    ajouterRessourcesFacultatives(s);
    s += "                >>\n";
    ajouterAnnotations(s, contexte);
    s += "  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

void ObjetPdfPage::ajouterRessourcesFacultatives(std::string& s) const {
    const ContenuPage& c = flux_.contenu();
    if (c.degrades()[0] != 0) {
        s += kRetrait;
        s += "/Shading <<";
        for (std::uint16_t d : c.degrades()) {
            if (d == 0) break;
            s += " /Deg";
            ajouterEntier(s, d);
            s += ' ';
            ajouterReference(s, d);
        }
        s += " >>\n";
    }
    bool imageInterne = false;
    for (std::uint16_t forme : c.imagesDwa()) imageInterne = imageInterne || forme != 0;
    if (imageInterne) {
        s += kRetrait;
        s += "/Group <<\n                      /Type /Group\n                      /S /Transparency\n"
             "                      /CS /DeviceRGB\n                   >> \n";
    }
    if (imageInterne || !c.photos().empty()) {
        s += kRetrait;
        s += "/XObject << ";
        auto nommer = [&s](std::uint16_t x) {
            s += "/Im";
            ajouterEntier(s, x);
            s += ' ';
            ajouterReference(s, x);
            s += ' ';
        };
        for (std::uint16_t forme : c.imagesDwa())
            if (forme != 0) nommer(forme);
        for (const ObjetPdfPhotoJpeg* p : c.photos()) nommer(p->numero());
        s += ">>\n";
    }
}

void ObjetPdfPage::ajouterAnnotations(std::string& s, const ContextePdf& contexte) const {
    const auto& annotations = flux_.contenu().annotations();
    if (annotations.empty()) return;
    std::string liste;
    for (const ObjetPdfAnnotationLink* a : annotations) {
        if (a->estLibre(contexte)) continue;
        ajouterReference(liste, a->numero());
        liste += ' ';
    }
    // Une page dont aucun lien n'aboutit n'a pas de liste vide.
    if (liste.empty()) return;
    s += "     /Annots [" + liste + "]\n";
}

}  // namespace lignara
