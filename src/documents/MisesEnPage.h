#pragma once
// Fabriques des documents qui ont leur mise en page. Chacune est définie dans le fichier de son
// document et nommée dans la colonne fabrique de sa ligne d'Afficheur.cpp :
//
//   std::unique_ptr<Document> fabriquerArbreAscendant(const Afficheur& type);
//
// Aucun type n'a encore la sienne.
#include <memory>

#include "documents/Afficheur.h"
#include "documents/Document.h"
