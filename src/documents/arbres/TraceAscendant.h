#pragma once
// Dessin d'un arbre d'ascendants placé (arbre ascendant, moitié haute des arbres mixtes), en
// PDF rangée par rangée ou en page Web d'un bloc. Dans une rangée, les raccords de toutes ses
// boîtes d'abord (branches, raccord de couple, pointe d'une boîte tronquée, chevrons d'une
// personne répétée), puis les boîtes, qui en couvrent les bouts ; la boîte complète d'une
// personne répétée reçoit la cible de ses renvois.
#include <cstdint>

#include "database/EnsemblePersonnes.h"
#include "documents/arbres/ArbreDeBoites.h"
#include "documents/arbres/TraceBoites.h"

namespace lignara {

struct MetriquePolice;
class RedacteurBlocsWeb;

struct TraceAscendant {
    const StyleBoites* style = nullptr;
    bool parCouple = false;
    // Trait de mariage du couple invisible d'un arbre familial ; l'arbre mixte familial le laisse
    // à sa moitié descendante, qui tient le même couple dans sa première rangée.
    bool mariageDuCouple = true;
};

void dessinerRangeeAscendante(SurfacePdf& surface, const ArbreDeBoites& arbre, int rangee, const TraceAscendant& trace);

// Toutes les boîtes et leurs raccords. ancrees : personnes dont l'ancre « p<numéro> » est déjà
// posée dans la page (complété ici) ; une page n'a qu'une ancre de chaque nom.
void ecrireAscendantsWeb(RedacteurBlocsWeb& blocs, const ArbreDeBoites& arbre, const TraceAscendant& trace,
                         const MetriquePolice& police, EnsemblePersonnes& ancrees);

}  // namespace lignara
