#pragma once
// Lien de parenté entre deux personnes : recherche, des deux côtés à la fois, de leur plus
// proche ancêtre commun, puis grille des deux lignées qui en descendent.
//
// Grille : (maximum + 1) rangées de quatre cases. Colonnes 0 la lignée de la première
// personne, 1 le conjoint à côté, 2 la lignée de la seconde, 3 le conjoint à côté. Rangée 0 :
// les ancêtres communs (l'ancêtre et un ou deux conjoints par lesquels les lignées descendent) ;
// rangée k : les personnes k générations plus bas.
//
// Les alliances n'entrent qu'aux deux personnes de départ : un lien par mariage se trouve par
// leurs propres conjoints, pas plus loin. La base n'est que lue.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "parente/CaseParente.h"

namespace lignara {

class LienParente {
public:
    // Deux personnes distinctes, sinon OperationImpossible
    // (« Erreur : les deux personnes doivent être différentes »).
    LienParente(std::uint32_t premiere, std::uint32_t seconde);

    // Remplit la grille, ou lève OperationImpossible
    // (« Il n'y a aucun lien de parenté entre ces deux personnes »).
    void chercher(const BaseGenealogique& base);

    std::uint32_t premiere() const { return personnes_[0]; }
    std::uint32_t seconde() const { return personnes_[1]; }
    std::uint32_t ancetreCommun() const { return ancetre_; }
    // Nombre de personnes de chaque lignée (0 : la personne est elle-même au sommet, ou y est
    // à côté de son conjoint). Les longueurs ne sont pas coupées à 255.
    std::size_t longueurPremiere() const { return longueurs_[0]; }
    std::size_t longueurSeconde() const { return longueurs_[1]; }
    std::size_t maximum() const { return longueurs_[0] > longueurs_[1] ? longueurs_[0] : longueurs_[1]; }

    std::size_t rangees() const { return grille_.size(); }
    const CaseParente& case_(std::size_t rangee, int colonne) const {
        return grille_[rangee][static_cast<std::size_t>(colonne)];
    }

private:
    using Rangee = std::array<CaseParente, 4>;
    struct Recherche;

    void construireGrille(const BaseGenealogique& base, const std::vector<std::uint32_t> lignes[2]);
    void placerLignee(const BaseGenealogique& base, int cote, const std::vector<std::uint32_t>& ligne);
    void placer(const BaseGenealogique& base, std::size_t rangee, int colonne, std::uint32_t personne);
    void tasserRangeeZero();

    std::uint32_t personnes_[2];
    std::uint32_t ancetre_ = 0;
    std::size_t longueurs_[2] = {0, 0};
    std::vector<Rangee> grille_;
};

}  // namespace lignara
