#pragma once
// Point d'entrée des documents depuis la fenêtre : identifiant de commande (6101…) → le type
// de document qui le produit. Rend faux quand ce document n'a pas encore de mise en page ;
// la fenêtre le dit alors à l'utilisateur.
class QWidget;

namespace lignara::gui {

class FichierOuvertFenetre;

bool lancerDocument(int identifiant, FichierOuvertFenetre& fichier, QWidget* fenetre);

}  // namespace lignara::gui
