#include "shell/ChronologieTrace.h"

#include "render/EtatTrace.h"
#include "render/MetriquePolice.h"

namespace lignara {

namespace {

constexpr std::int32_t kHauteurLigne = 176;

}  // namespace

void dessinerChronologie(const Chronologie& chronologie, SurfacePdf& surface,
                         std::int32_t largeurUtile, std::int32_t yHaut) {
    EtatTrace& etat = etatTrace();
    const std::uint32_t remplissage = etat.couleurRemplissage;
    for (const BandeChronologie& b : chronologie.bandes()) {
        etat.couleurRemplissage = b.couleur;
        surface.rectangle(0, yHaut - b.bas, largeurUtile, yHaut - b.haut, 1);
    }
    etat.couleurRemplissage = remplissage;
    for (const LibelleChronologie& l : chronologie.libelles()) {
        const MetriquePolice& police = etat.italique ? metriqueItalique() : metriqueReguliere();
        surface.texte(l.x, yHaut - l.y, largeurTexte(police, l.texte), kHauteurLigne, l.texte);
    }
}

}  // namespace lignara
