#include "reference/ChronologieTrace.h"

#include <cstdio>

#include "render/EtatTrace.h"
#include "commun/MetriquePolice.h"

namespace lignara {

namespace {

constexpr std::int32_t kHauteurLigne = 176;

std::int64_t pixelsX(std::int64_t unites) { return unites * 7 / 100; }
std::int64_t pixelsY(std::int64_t unites) { return unites * 1467 / 17600; }

}  // namespace

void dessinerChronologie(const Chronologie& chronologie, SurfacePdf& surface,
                         std::int32_t largeurUtile, std::int32_t yBas) {
    EtatTrace& etat = surface.etat();
    const std::uint32_t remplissage = etat.couleurRemplissage;
    for (const BandeChronologie& b : chronologie.bandes()) {
        etat.couleurRemplissage = b.couleur;
        surface.rectangle(0, yBas + b.haut, largeurUtile, yBas + b.bas, 1);
    }
    etat.couleurRemplissage = remplissage;
    for (const LibelleChronologie& l : chronologie.libelles()) {
        const MetriquePolice& police = etat.italique ? surface.polices().italique : surface.polices().reguliere;
        surface.texte(l.x, yBas + l.y, largeurTexte(police, l.texte), kHauteurLigne, l.texte);
    }
}

std::string blocsWebChronologie(const Chronologie& chronologie, const CadreWebChronologie& cadre) {
    std::string html;
    for (const BandeChronologie& b : chronologie.bandes()) {
        const std::int64_t haut = std::int64_t{cadre.yBas} + b.bas;  // y de la surface
        char bloc[256];
        std::snprintf(bloc, sizeof bloc,
                      "<div style=\"position:absolute;left:%lldpx;top:%lldpx;width:%lldpx;height:%lldpx;"
                      "background-color:#%02x%02x%02x;\"></div>\n",
                      static_cast<long long>(pixelsX(cadre.margeGauche)),
                      static_cast<long long>(cadre.hauteurPagePixels - pixelsY(haut + cadre.margeBas)),
                      static_cast<long long>(pixelsX(cadre.largeurUtile)),
                      static_cast<long long>(pixelsY(std::int64_t{b.bas} - b.haut)),
                      static_cast<unsigned>(b.couleur & 0xFF), static_cast<unsigned>((b.couleur >> 8) & 0xFF),
                      static_cast<unsigned>((b.couleur >> 16) & 0xFF));
        html += bloc;
    }
    return html;
}

}  // namespace lignara
