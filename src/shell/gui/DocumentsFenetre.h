#pragma once
// Point d'entrée des documents depuis la fenêtre : identifiant de commande (6101…) → le type
// de document qui le produit (table des menus), puis mettreEnRoute() — la même que « lignara
// document » — avec les dialogues pour source des paramètres, le curseur d'attente, le dossier
// de sortie privé et le compte d'usage. Le fichier écrit est visualisé et la barre d'état de la
// fenêtre le nomme (FenetrePrincipale::documentProduit).
// Rend faux quand ce document n'a pas encore de mise en page ; la fenêtre le dit alors à
// l'utilisateur.
#include <cstdint>

#include "reglages/Favori.h"

namespace lignara::gui {

class FenetrePrincipale;

// racine : tête imposée (menu contextuel de la liste des personnes) ; 0 : demandée.
bool lancerDocument(int identifiant, FenetrePrincipale& fenetre, std::int32_t racine = 0);

// Le favori lancé depuis le menu « Favoris », sans dialogue ; un favori sans paramètres se
// demande par les dialogues de son type, comme un nouveau document.
void lancerFavoriFenetre(const Favori& favori, FenetrePrincipale& fenetre);
// Paramètres du favori demandés par les dialogues de son type après le dialogue « Favori »
// (parametrerFavori) ; les messages vont dans des boîtes de la fenêtre.
void parametrerFavoriFenetre(Favori& favori, const Favori& avant, FenetrePrincipale& fenetre);

}  // namespace lignara::gui
