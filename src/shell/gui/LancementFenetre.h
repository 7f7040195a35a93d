#pragma once
// Lancement du programme en mode fenêtre : application Qt, préférences chargées, fenêtre
// principale ouverte sur le fichier donné (chemin déjà débarrassé de ses guillemets) ou sur le
// fichier par défaut des préférences. Rend le code de sortie du programme.
#include <string>

namespace lignara::gui {

int lancerFenetre(int& argc, char** argv, const std::string& chemin);

}  // namespace lignara::gui
