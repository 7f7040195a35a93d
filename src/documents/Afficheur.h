#pragma once
// Types de documents : une ligne par type dans la table d'Afficheur.cpp, dans l'ordre de la
// liste des types du dialogue des favoris. Le code tient sur un octet (33 n'est pas employé,
// 255 termine la liste rangée) ; le titre a au plus 43 octets ; le préfixe commence le nom du
// fichier produit.
//
// La ligne d'un type est sa seule déclaration : ses paramètres (ParametreDeclare.h), dont on
// tire sa signature, sa feuille de propriétés, ses options de ligne de commande et le décodage
// de ses favoris ; la façon de demander sa personne de tête ; ses pages ; ses formats ; son
// compteur d'usage et sa fabrique. Tant que fabrique est nul, le type répond « Ce document
// n'est pas encore disponible ». La recette pour ajouter un type est dans le README.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "documents/ParametreDeclare.h"
#include "render/Graphique.h"

namespace lignara {

class Document;
struct Afficheur;

using FabriqueDocument = std::unique_ptr<Document> (*)(const Afficheur& type);

// Fabrique d'un document de classe D, construit sur sa ligne de la table.
template <class D>
std::unique_ptr<Document> fabrique(const Afficheur& type) {
    return std::make_unique<D>(type);
}

// Formats offerts par les boutons « Format de sortie : », un bit par code de format.
enum FormatsOfferts : std::uint8_t {
    OffrePdf = 1 << 0,
    OffreTexte = 1 << 1,
    OffreRtf = 1 << 2,
    OffreWeb = 1 << 3,
};

// Comment la fenêtre demande la personne de tête d'un type dont la signature commence par elle.
enum class DemandeTete : std::uint8_t {
    Personne,     // sélection de la personne
    Descendance,  // sélection avec « Sommet de branche » : tête d'une descendance
    Patronyme,    // un nom seul (carte de patronyme) ; il remplit le nom de la tête
    Aucune,       // tout le fichier : rien n'est demandé
};

struct Afficheur {
    static constexpr std::size_t kNombreTypes = 54;
    static constexpr std::size_t kLongueurTitreMax = 43;
    static constexpr std::uint8_t kFinDeListe = 255;
    static constexpr const char* kPageCoupes = "DIALOG_COUPE";
    static constexpr const char* kPageReports = "DIALOG_REPORT";

    std::uint8_t code;
    const char* titre;                                    // UTF-8 dans la table ; titre1252() pour les documents
    const char* prefixe;                                  // « AA_ »
    const char* nomLisible;                               // nom de la ligne de commande : « arbre-ascendant »
    std::span<const ParametreDeclare* const> parametres;  // dans l'ordre de la signature
    DemandeTete tete;
    // Modèles des pages de la feuille, séparés par des virgules, chacun suivi au besoin de
    // « :Titre » de son onglet (la première page est « Général », DIALOG_COUPE « Coupes ») ;
    // "" : aucune page.
    const char* pages;
    std::uint8_t formats;   // FormatsOfferts
    std::uint8_t variante;  // octet de variante des classes partagées (0 : aucune)
    std::uint8_t compteur;  // premier compteur d'usage du type
    FabriqueDocument fabrique;
    const char* titreFeuille = nullptr;  // titre de la feuille (UTF-8) ; nul : le titre du type

    std::string titre1252() const;
    // SignatureParametres : les lettres des paramètres, dans l'ordre.
    std::string signature() const;
    bool offre(FormatSortie format) const { return (formats >> static_cast<int>(format)) & 1; }
    bool disponible() const { return fabrique != nullptr; }
    // Vrai quand une personne de tête est demandée (et son nom nomme le fichier).
    bool demandeRacine() const;

    // Rang du paramètre déclaré, ou du premier paramètre de ce rôle ; −1 quand il n'y est pas.
    int indice(const ParametreDeclare& parametre) const;
    int indice(RoleParametre role) const;
    bool declare(const ParametreDeclare& parametre) const { return indice(parametre) >= 0; }

    // Modèles des pages, dans l'ordre, et le titre de l'onglet de chacune.
    struct PageFeuille {
        std::string modele;
        std::string onglet;  // UTF-8
    };
    std::vector<PageFeuille> pagesFeuille() const;
    bool aPageCoupes() const;
    bool aPageReports() const;
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
