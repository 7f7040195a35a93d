#pragma once
// Définition des catégories telle que l'utilisateur l'écrit (texte Windows-1252, lignes CR LF) :
//   - une ligne qui commence par une espace ou une tabulation est un mot-clé de la catégorie
//     courante (blancs de tête sautés ; ceux de queue aussi, invisibles dans l'éditeur) ;
//   - toute autre ligne non vide nomme une nouvelle catégorie (coupée à 255 octets) ;
//   - les mots-clés d'avant la première catégorie, et les mots-clés vides, sont ignorés.
// Les catégories sont numérotées à partir de 0 dans l'ordre d'apparition.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

class CategorieDefinition {
public:
    struct MotCle {
        std::string texte;  // tel qu'écrit, 1252
        std::size_t categorie;
    };

    // Taille maximale d'une définition, celle de l'éditeur.
    static constexpr std::size_t kTailleMaximale = 50000;
    static constexpr std::size_t kLongueurMaximaleNom = 255;

    static CategorieDefinition lire(std::string_view texte1252);

    const std::vector<std::string>& noms() const { return noms_; }
    const std::vector<MotCle>& motsCles() const { return motsCles_; }
    std::size_t longueurNomMaximale() const { return longueurNomMaximale_; }

private:
    void ajouterLigne(std::string_view ligne);

    std::vector<std::string> noms_;
    std::vector<MotCle> motsCles_;
    std::size_t longueurNomMaximale_ = 0;
};

}  // namespace lignara
