#pragma once
// Messages du rendu à l'utilisateur (photo illisible, données internes absentes…). La fenêtre
// installe un afficheur qui ouvre une boîte sans titre ; sans afficheur, le message va sur la
// sortie d'erreur en UTF-8, ce qui convient à la ligne de commande et aux tests.
#include <functional>
#include <string>

namespace lignara {

using AfficheurAvis = std::function<void(const std::string& message1252)>;

// Remplace l'afficheur ; rend le précédent (les tests le remettent en place).
AfficheurAvis definirAfficheurAvis(AfficheurAvis afficheur);

void afficherAvis(const std::string& message1252);

}  // namespace lignara
