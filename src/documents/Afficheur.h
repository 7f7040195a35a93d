#pragma once
// Types de documents : une ligne par type, dans l'ordre de la liste des types du dialogue des
// favoris. Le code tient sur un octet (33 n'est pas employé, 255 termine la liste rangée) ;
// le titre a au plus 43 octets ; le préfixe commence le nom du fichier produit.
//
// Un document qui a sa mise en page la déclare dans MisesEnPage.h et la nomme dans sa ligne de
// la table (Afficheur.cpp) ; tant que fabrique est nul, le type répond « Ce document n'est pas
// encore disponible ».
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/Graphique.h"

namespace lignara {

class Document;
struct Afficheur;

using FabriqueDocument = std::unique_ptr<Document> (*)(const Afficheur& type);

// Formats offerts par les boutons « Format de sortie : », un bit par code de format.
enum FormatsOfferts : std::uint8_t {
    OffrePdf = 1 << 0,
    OffreTexte = 1 << 1,
    OffreRtf = 1 << 2,
    OffreWeb = 1 << 3,
};

struct Afficheur {
    static constexpr std::size_t kNombreTypes = 54;
    static constexpr std::size_t kLongueurTitreMax = 43;
    static constexpr std::uint8_t kFinDeListe = 255;

    std::uint8_t code;
    const char* titre;        // UTF-8 dans la table ; titre1252() pour les documents
    const char* prefixe;      // « AA_ »
    const char* nomLisible;   // nom de la ligne de commande : « arbre-ascendant »
    const char* signature;    // SignatureParametres
    const char* pages;        // modèles de dialogue séparés par des virgules ; "" : aucun
    std::uint8_t formats;     // FormatsOfferts
    std::uint8_t variante;    // octet de variante des classes partagées (0 : aucune)
    std::uint8_t compteur;    // premier compteur d'usage du type
    FabriqueDocument fabrique;

    std::string titre1252() const;
    bool offre(FormatSortie format) const { return (formats >> static_cast<int>(format)) & 1; }
    bool disponible() const { return fabrique != nullptr; }
    // La signature commence par la personne de tête (et son nom, qui nomme le fichier).
    bool demandeRacine() const { return signature[0] == 'P'; }
};

// Les 54 types, dans l'ordre de la table.
std::span<const Afficheur> afficheurs();
// Type de ce code, ou nullptr.
const Afficheur* afficheurDeCode(std::uint8_t code);
// Types désignés par un code (« 1 »), un nom lisible (« arbre-ascendant ») ou un préfixe
// (« AA » ou « AA_ », qui peut en désigner plusieurs). Vide : aucun.
std::vector<const Afficheur*> chercherAfficheurs(std::string_view designation);
// Préfixes distincts de la table, dans l'ordre de la table.
std::vector<std::string_view> prefixesDocuments();

}  // namespace lignara
