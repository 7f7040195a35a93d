#pragma once
// Automate des catégories chargé d'un fichier compilé (version 501) : noms des catégories et
// recherche des catégories d'un texte. La disposition du fichier est décrite en tête de
// CategorieCompilateur.cpp ; lire() vérifie chaque nœud, si bien que la recherche ne sort jamais
// de l'image, même sur un fichier abîmé.
//
// Recherche : commencer(texte) puis Match() jusqu'à ce qu'il rende 255 ; chaque appel rend la
// catégorie suivante du texte (un texte « boulanger, tonnelier » en donne deux).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

class CategorieAutomate {
public:
    static constexpr std::uint8_t kAucune = 255;

    // Image complète du fichier ; rien quand elle n'est pas un fichier 501 bien formé.
    static std::optional<CategorieAutomate> lire(const std::vector<std::uint8_t>& image);

    std::size_t nombre() const { return noms_.size(); }
    const std::vector<std::string>& noms() const { return noms_; }
    std::size_t longueurNomMaximale() const { return longueurNomMaximale_; }

    // Le texte (1252) doit vivre jusqu'à la dernière recherche.
    void commencer(std::string_view texte1252);
    std::uint8_t Match();

    // Toutes les catégories d'un texte, chacune une fois, dans l'ordre où elles apparaissent.
    std::vector<std::uint8_t> categoriesDuTexte(std::string_view texte1252);

private:
    CategorieAutomate() = default;
    bool lireNoms(const std::vector<std::uint8_t>& image, std::size_t debutAutomate);
    bool verifierNoeuds();
    std::uint8_t categorie(std::uint32_t noeud) const { return automate_[noeud]; }
    std::uint32_t echec(std::uint32_t noeud) const { return lire32(noeud + 4); }
    // Décalage de l'enfant sur c, ou -1.
    std::int64_t enfant(std::uint32_t noeud, char c) const;
    std::uint32_t lire32(std::size_t pos) const;

    std::vector<std::uint8_t> automate_;
    std::vector<std::string> noms_;
    std::size_t longueurNomMaximale_ = 0;
    std::uint32_t debutDeMot_ = 0;
    std::size_t nombreNoeuds_ = 0;

    std::string_view texte_;
    std::size_t position_ = 0;
    std::uint32_t etat_ = 0;
};

}  // namespace lignara
