#pragma once
// Table des menus de documents de la fenêtre principale : un élément par commande, avec son
// identifiant (celui que le reste du programme connaît, p. ex. 6101 pour l'arbre ascendant
// individuel), le code du type de document qu'il produit, son menu, son sous-menu éventuel et
// son texte. Les textes sont en UTF-8 : c'est la langue de Qt.
#include <cstdint>
#include <span>

namespace lignara::gui {

struct ElementMenuDocument {
    int identifiant;
    std::uint8_t typeDocument;  // code de l'Afficheur produit ; 0 : pas un document
    const char* sousMenu;       // nullptr : directement dans le menu
    const char* texte;
};

struct MenuDocuments {
    const char* titre;      // titre du bouton de la barre d'outils
    const char* titreMenu;  // titre dans la barre de menus, avec sa lettre Alt (unique)
    const char* image;      // image du bouton, sans extension, dans « Menu/ » de l'installation
    int bouton;             // identifiant du bouton (5000 à 5006, 5009)
    std::span<const ElementMenuDocument> elements;
};

// Les huit menus dans l'ordre de la barre d'outils ; le dernier, « Favoris », n'a que son
// élément de gestion : la liste des favoris le complète.
std::span<const MenuDocuments> menusDocuments();
// Code du type de document de cette commande ; 0 quand elle n'en produit pas.
std::uint8_t typeDeCommande(int identifiant);

inline constexpr int kCommandeConsulter = 1001;
inline constexpr int kCommandeOuvrir = 1002;
inline constexpr int kCommandeFermer = 1003;
inline constexpr int kCommandeQuitter = 1010;
inline constexpr int kCommandePreferences = 1081;
inline constexpr int kCommandeProfessions = 1082;
inline constexpr int kCommandeSources = 1083;
inline constexpr int kCommandeChronologies = 1084;
inline constexpr int kCommandeOptionsFichier = 1087;
inline constexpr int kCommandeAide = 1091;
inline constexpr int kCommandeAPropos = 1092;
inline constexpr int kCommandeSiteWeb = 1093;
inline constexpr int kCommandeGererFavoris = 6801;

}  // namespace lignara::gui
