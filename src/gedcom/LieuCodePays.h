#pragma once
// Code de pays d'un lieu : deux caractères, codes ISO 3166-1 alpha-2 en majuscules, en
// minuscules pour les États disparus ("ae" RDA, "ur" URSS…) ; deux espaces quand aucun pays
// n'est connu.
#include <string_view>

namespace lignara {

struct CodePays {
    char octets[2] = {' ', ' '};

    constexpr CodePays() = default;
    constexpr CodePays(const char (&code)[3]) : octets{code[0], code[1]} {}
    constexpr CodePays(char premier, char second) : octets{premier, second} {}

    constexpr bool connu() const { return !(octets[0] == ' ' && octets[1] == ' '); }
    constexpr std::string_view vue() const { return {octets, 2}; }

    friend constexpr bool operator==(const CodePays&, const CodePays&) = default;
};

inline constexpr CodePays kPaysInconnu{};

}  // namespace lignara
