#pragma once
// Textes des boîtes, lus après la construction : toutes les boîtes sont rassemblées et chaque
// sorte de texte (noms, prénoms, événements, lieux, professions, commentaires, photos) est lue
// par références croissantes, pour que chaque table du fichier soit parcourue vers l'avant.
// Puis la taille de chaque boîte :
//   - jusqu'à cinq lignes de 176 : nom et prénoms, naissance, décès, profession, commentaire ;
//   - largeur = ligne la plus large + 2 × 45 ;
//   - avec une photo lisible : 832 de haut, 832 × largeur × h ÷ (hauteur × 100) de large
//     (h : 10000 ÷ étirement en PDF, 119 en Web), à gauche du texte et 45 plus loin.
// Le texte de mariage (boîte de l'épouse) tient en deux lignes : date, lieu.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "documents/arbres/ArbreDeBoites.h"
#include "documents/arbres/BoiteArbre.h"
#include "commun/MetriquePolice.h"
#include "images/TaillePixels.h"

namespace lignara {

struct ReglesTextes {
    std::uint8_t donnees = 63;               // bits des données affichées
    std::int32_t facteurPhoto = 125;         // h
    const MetriquePolice* police = nullptr;  // police régulière du document, à donner
    // Taille d'une photo ; vide : illisible, la photo est laissée de côté.
    std::function<std::optional<TaillePixels>(const std::string& chemin1252)> taillePhoto;
    // Dossiers des fichiers GEDCOM, pour les chemins relatifs des photos (voir CheminPhoto.h).
    std::vector<std::filesystem::path> dossiersGedcom;
};

inline constexpr std::int32_t kHauteurPhoto = 832;
inline constexpr std::int32_t kMargeBoite = 45;

// Boîtes de n'importe quel arbre, dans l'ordre de leurs rangées.
void preparerTextes(const std::vector<BoiteArbre*>& boites, const BaseGenealogique& base, const ReglesTextes& regles);
void preparerTextes(ArbreDeBoites& arbre, const BaseGenealogique& base, const ReglesTextes& regles);

// Lieu lisible d'un texte de la table des lieux (sans ses trois octets de code).
std::string lieuLisible(const std::string& lieu);

}  // namespace lignara
