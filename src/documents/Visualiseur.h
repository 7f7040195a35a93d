#pragma once
// Lancement de l'afficheur d'un document produit. L'afficheur est choisi par les trois derniers
// caractères du chemin (« pdf », « htm », « rtf », sinon celui du texte) parmi ceux des
// préférences ; une préférence vide laisse le système choisir (xdg-open).
//
// La commande est découpée en mots (les guillemets doubles groupent un mot qui contient des
// espaces) et le chemin du document s'y ajoute comme un argument de plus : le programme est
// lancé directement par posix_spawn, jamais à travers un shell, et sans l'attendre.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "render/Graphique.h"

namespace lignara {

using CommandesAfficheurs = std::array<std::string, 4>;  // pdf, texte, rtf, web (Configuration)

// Arguments du programme à lancer (le premier est le programme).
std::vector<std::string> argumentsAfficheur(const CommandesAfficheurs& commandes, std::string_view chemin);

// Lance l'afficheur du document ; rend faux quand il n'a pu être lancé. Les afficheurs lancés
// plus tôt et déjà finis sont recueillis au passage.
bool visualiser(const Graphique& document, const CommandesAfficheurs& commandes);

}  // namespace lignara
