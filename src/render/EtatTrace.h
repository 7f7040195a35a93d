#pragma once
// État de tracé courant d'une surface (SurfacePdf::etat()) : le document en règle les champs
// avant d'appeler une primitive de sa surface, et chaque primitive les lit en écrivant. Un
// document qui change une couleur, l'épaisseur, les pointillés, la taille ou l'italique le
// remet en place ; les transformations empilées sont dépilées avant la fermeture. Chaque
// surface a le sien : deux documents se dessinent ensemble sans se gêner.
//
// Valeurs à l'ouverture d'une surface : couleurs des préférences, épaisseur 0,5 point, trait
// plein, 10 points, romain, aucune transformation.
#include "render/ReglagesDessin.h"
#include "render/pdf/ContenuPage.h"

namespace lignara {

struct EtatTrace : StyleTrace {
    void reinitialiser(const ReglagesDessin& reglages);
};

}  // namespace lignara
