#pragma once
// Fabriques des documents qui ont leur mise en page. Chacune est définie dans le fichier de son
// document et nommée dans la colonne fabrique de sa ligne d'Afficheur.cpp :
//
//   std::unique_ptr<Document> fabriquerArbreAscendant(const Afficheur& type);
#include <memory>

#include "documents/Afficheur.h"
#include "documents/Document.h"

namespace lignara {

// Arbres ascendants individuel (1) et familial (38) : documents/arbres/ArbreAscendant.cpp.
std::unique_ptr<Document> fabriquerArbreAscendant(const Afficheur& type);

}  // namespace lignara
