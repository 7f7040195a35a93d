#pragma once
// Clé de nom d'une composante de lieu (le texte entre deux virgules) : les lettres en
// majuscules sans accents (Æ et æ donnent Æ), tout le reste supprimé (espaces, tirets,
// apostrophes, chiffres), 35 caractères au plus. « Côte-d'Or » donne « COTEDOR ».
// Les tables de pays, de régions et de subdivisions sont triées sur cette clé.
#include <array>
#include <cstddef>
#include <string_view>

namespace lignara {

class LieuCle {
public:
    static constexpr std::size_t kLongueurMax = 35;

    explicit LieuCle(std::string_view composante);

    std::string_view vue() const { return {octets_.data(), longueur_}; }

private:
    std::array<char, kLongueurMax> octets_{};
    std::size_t longueur_ = 0;
};

}  // namespace lignara
