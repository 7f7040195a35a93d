#include "reference/ChronologieTrace.h"

#include "render/EtatTrace.h"
#include "commun/MetriquePolice.h"

namespace lignara {

namespace {

constexpr std::int32_t kHauteurLigne = 176;

}  // namespace

void dessinerChronologie(const Chronologie& chronologie, SurfacePdf& surface, std::int32_t largeurUtile,
                         std::int32_t yBas) {
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

void ecrireChronologieWeb(const Chronologie& chronologie, RedacteurBlocsWeb& blocs, std::int32_t largeurUtile,
                          std::int32_t yBas) {
    for (const BandeChronologie& b : chronologie.bandes())
        blocs.aplat(0, yBas + b.bas, largeurUtile, b.bas - b.haut, b.couleur);
    for (const LibelleChronologie& l : chronologie.libelles()) blocs.texte(l.x, yBas + l.y, l.texte);
}

}  // namespace lignara
