#pragma once
// État de tracé courant, unique pour tout le processus : les documents en règlent les champs
// avant d'appeler une primitive de la surface, et chaque primitive les lit en écrivant. Un
// document qui change une couleur, l'épaisseur, les pointillés, la taille ou l'italique le
// remet en place ; les transformations empilées sont dépilées avant la fermeture.
//
// Valeurs à l'ouverture d'une surface : couleurs des préférences, épaisseur 0,5 point, trait
// plein, 10 points, romain, aucune transformation.
#include "render/ReglagesDessin.h"
#include "render/pdf/ContenuPage.h"

namespace lignara {

struct EtatTrace : StyleTrace {
    void reinitialiser(const ReglagesDessin& reglages);
};

EtatTrace& etatTrace();

}  // namespace lignara
