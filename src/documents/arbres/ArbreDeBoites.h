#pragma once
// Les boîtes d'un arbre d'ascendants et leurs rangées de générations (RangeesDeBoites), avec
// la racine et les ensembles de personnes dessinées.
#include <cstdint>

#include "database/EnsemblePersonnes.h"
#include "documents/arbres/NoeudAscendant.h"
#include "documents/arbres/RangeesDeBoites.h"

namespace lignara {

class ArbreDeBoites : public RangeesDeBoites<NoeudAscendant> {
public:
    // Refait les débuts de rangée en suivant, depuis le début de la rangée précédente, le père,
    // sinon la mère, sinon la boîte suivante ; les rangées au-delà de la dernière sont vidées.
    void reconstruireRangees();

    NoeudAscendant* racine = nullptr;  // la racine, ou le couple invisible d'un arbre familial
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    EnsemblePersonnes dessinees;  // personnes dont les parents sont dessinés
    EnsemblePersonnes repetees;   // personnes dessinées plus d'une fois
};

}  // namespace lignara
