#pragma once
// Personne « Moi » du fichier ouvert, rangée dans ses réglages par son identité (clé des noms
// et date de naissance, comme une ReferencePersonne).
#include <cstdint>

#include "documents/ContexteDocument.h"
#include "reglages/ReglagesFichier.h"

namespace lignara {

// Identité de la personne ; une référence vide hors de 1 à N.
ReferenceMoi referenceMoi(const BaseGenealogique& base, std::int32_t personne);

// Numéro de la personne « Moi » ; −1 quand elle n'est pas définie ou plus dans la base.
std::int32_t personneMoi(const ReferenceMoi& moi, const ContexteDocument& contexte);

// Texte de la question posée quand « Moi » n'est pas encore défini.
const char* questionMoiNonDefini();

}  // namespace lignara
