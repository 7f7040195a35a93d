#pragma once
// Lancement du programme en mode fenêtre : application Qt, préférences chargées, fenêtre
// principale ouverte sur le fichier donné (chemin déjà débarrassé de ses guillemets) ou sur le
// fichier par défaut des préférences. Rend le code de sortie du programme.
//
// Avec une capture demandée (chemin d'une image PNG, UTF-8), la fenêtre s'ouvre, ouvre le
// fichier, s'enregistre en image, écrit son état sur la sortie standard (fichier ouvert,
// boutons actifs de la barre d'outils) puis se ferme : pour illustrer une documentation ou
// vérifier un poste sans cliquer. Code 0 quand le fichier est ouvert et l'image écrite.
#include <string>

namespace lignara::gui {

int lancerFenetre(int& argc, char** argv, const std::string& chemin, const std::string& capture = {});

}  // namespace lignara::gui
