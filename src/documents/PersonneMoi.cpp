#include "documents/PersonneMoi.h"

#include "commun/Texte.h"
#include "documents/ReferencePersonne.h"

namespace lignara {

ReferenceMoi referenceMoi(const BaseGenealogique& base, std::int32_t personne) {
    ReferencePersonne ref = ReferencePersonne::de(base, personne);
    return {ref.cle, ref.jour, ref.mois, ref.annee};
}

std::int32_t personneMoi(const ReferenceMoi& moi, const ContexteDocument& contexte) {
    if (!moi.definie()) return -1;
    ReferencePersonne ref{moi.cle, moi.jour, moi.mois, moi.annee};
    std::int32_t p = ref.trouver(contexte);
    return p > 0 ? p : -1;
}

const char* questionMoiNonDefini() {
    return "L'individu associé au bouton \"Moi\" n'est pas encore défini pour ce fichier Gedcom.\n"
           "Voulez-vous le définir maintenant ?"_1252;
}

}  // namespace lignara
