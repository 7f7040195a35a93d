#pragma once
// Ce que les six listes ont en commun pour s'écrire : chemin, titre, étirement du PDF pris à la
// préférence des listes, et le rédacteur du format choisi.

#include <string>

#include "documents/Document.h"
#include "render/texte/Redaction.h"

namespace lignara {

// Étirement borné à 10–200 % : une préférence hors bornes (réglages anciens ou abîmés) ne doit
// ni écraser ni étaler la liste au point de la rendre illisible.
MiseEnPage miseEnPageListe(const std::string& chemin, std::string titre1252, int compressionListes);

// Écrit la liste `document` par le rédacteur de son format.
void ecrireListe(const Document& document, const ReglagesDessin& dessin, const MiseEnPage& mise,
                 const ContenuRedaction& contenu);

}  // namespace lignara
