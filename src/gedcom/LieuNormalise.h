#pragma once
// Texte de lieu rangé dans la table des lieux de la base : 100 octets au plus, Windows-1252.
//   DÉC.  TAILLE  CONTENU
//     0     2     code de pays, deux espaces quand aucun pays n'est connu
//     2     1     code de subdivision (33 et plus), espace quand aucune n'est connue
//     3   0-97    lieu lisible, sans les noms de pays, région et subdivision reconnus
// Un lieu sans partie lisible est vide (longueur 0, pas de code) : la base ne range pas de
// chaîne vide.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gedcom/LieuCodePays.h"

namespace lignara {

class LieuNormalise {
public:
    static constexpr std::size_t kTailleMax = 100;
    static constexpr std::size_t kTailleCode = 3;

    // Le texte complet (code puis lieu lisible), vide quand il n'y a pas de lieu.
    std::string_view texte() const { return {octets_.data(), longueur_}; }
    bool vide() const { return longueur_ == 0; }
    CodePays pays() const { return vide() ? kPaysInconnu : CodePays(octets_[0], octets_[1]); }
    // Octet de subdivision : ' ' quand aucune n'est connue.
    std::uint8_t subdivision() const { return vide() ? std::uint8_t{' '} : static_cast<std::uint8_t>(octets_[2]); }
    std::string_view lisible() const { return texte().substr(vide() ? 0 : kTailleCode); }
    std::size_t tailleLisible() const { return vide() ? 0 : longueur_ - kTailleCode; }

    // Rédaction, réservée au normaliseur : le code d'abord, puis des morceaux qui ne passent
    // jamais les 100 octets.
    void commencer(CodePays pays, std::uint8_t subdivision);
    // Ajoute les morceaux bout à bout s'ils tiennent tous, sinon rien. Rend vrai s'ils tiennent.
    bool ajouter(std::string_view a, std::string_view b = {}, std::string_view c = {});
    // Ajoute ce qui tient du morceau.
    void ajouterCoupe(std::string_view morceau);
    // Sans partie lisible, le lieu devient vide.
    void terminer();

private:
    std::array<char, kTailleMax> octets_{};
    std::size_t longueur_ = 0;
};

}  // namespace lignara
