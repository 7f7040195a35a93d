#pragma once
// Compile une définition de catégories en automate de recherche de mots-clés (trie à liens
// d'échec) et en rend l'image de fichier, version 501 (disposition en tête de
// CategorieCompilateur.cpp). Les avertissements (doublons, trop de catégories) sont rendus en
// texte Windows-1252, un par message, pour que l'appelant les montre.
#include <cstdint>
#include <string>
#include <vector>

#include "reference/CategorieDefinition.h"

namespace lignara {

class CategorieCompilateur {
public:
    // Au-delà, les arbres chromatiques et les statistiques ignorent les catégories.
    static constexpr int kCategoriesUtilisees = 23;
    // Le numéro 255 veut dire « aucune » : 255 catégories au plus (0 à 254).
    static constexpr std::size_t kCategoriesMaximum = 255;

    // professions : dérive aussi les formes féminines. Lève OperationImpossible quand la
    // définition a plus de 255 catégories.
    CategorieCompilateur(const CategorieDefinition& definition, bool professions);

    std::vector<std::uint8_t> image() const;
    const std::vector<std::string>& avertissements() const { return avertissements_; }

private:
    struct Noeud {
        std::int32_t enfants[27];  // -1 : pas d'enfant ; 0 : espace, 1–26 : 'A'–'Z'
        std::uint8_t categorie = 255;
        std::int32_t echec = 0;
        Noeud();
    };

    // Rend vrai quand le mot était déjà rangé sous une autre catégorie.
    bool inserer(const std::string& motNormalise, std::uint8_t categorie, bool avertir);
    void calculerEchecs();
    std::vector<std::int32_t> ordrePrefixe() const;

    CategorieDefinition definition_;
    std::vector<Noeud> noeuds_;  // 0 : racine, 1 : début de mot
    std::vector<std::string> avertissements_;
};

}  // namespace lignara
