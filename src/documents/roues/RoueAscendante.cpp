#include "documents/roues/RoueAscendante.h"

#include <algorithm>

#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/SecteursAscendants.h"

namespace lignara {

void RoueAscendante::initialiserParametres(const ContexteDocument& contexte) {
    Roue::initialiserParametres(contexte);
    const std::int16_t papier =
        contexte.preferences ? static_cast<std::int16_t>(contexte.preferences->formatPapier) : std::int16_t{kNonPagine};
    valeur(kGenerationsRoueAscendante) = static_cast<std::uint8_t>(roue::generationsPourFormat(papier));
}

int RoueAscendante::generations() const { return std::clamp<int>(octet(kGenerationsRoueAscendante), 2, 9); }

void RoueAscendante::preparer(const ContexteDocument& contexte) {
    preparerReglages(contexte);
    const int n = generations();
    const std::vector<AncetreRoue> ancetres = ancetresRoue(contexte, static_cast<std::uint32_t>(racine()), n);
    dessinerRoueAscendante(dessin_, ancetres, {n, false, &polices.reguliere});
    placerCentre(dessin_, roue::rayonCercle(1), ancetres.front(), {}, polices.reguliere, polices.italique);
    const std::int32_t r = roue::rayonCercle(n);
    mettreEnPage({-r, -r, r, r});
    if (n >= kGenerationsSignature) placerSignature({r});
}

}  // namespace lignara
