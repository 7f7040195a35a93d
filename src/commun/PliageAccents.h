#pragma once
// Pliage des lettres Windows-1252 : la capitale sans accent (A–Z) sous laquelle une lettre se
// range, casse, accents et cédille ôtés ; 0 pour un octet qui n'a pas de lettre de base.
// Les clés de noms, de lieux et de catégories, les clés phonétiques et les noms de mois des
// dates en partent ; chacune écrit chez elle, en clair, ses rares écarts.
//
// Des clés stockées (base de travail, favoris de « Perso.dwa », tables de lieux livrées) en
// dépendent : une valeur changée ici change ces clés. D'où des choix qui ne sont pas ceux
// d'un dictionnaire, gardés tels quels :
//   ß → B et × → X, rangés par leur forme ; ÿ → Y, mais Ÿ (0x9F) sans lettre ;
//   Æ æ Œ œ (deux lettres), Ø ø, Þ þ, Š š, Ž ž et ÷ : sans lettre de base.
#include <array>
#include <cstddef>

namespace lignara {

namespace detail {

constexpr std::array<char, 256> construirePliage() {
    std::array<char, 256> t{};
    // Une capitale et sa minuscule, 32 plus loin, comme en ASCII.
    auto plage = [&t](int debut, int fin, char base) {
        for (int c = debut; c <= fin; ++c) {
            t[static_cast<std::size_t>(c)] = base;
            t[static_cast<std::size_t>(c) + 32] = base;
        }
    };
    for (int c = 'A'; c <= 'Z'; ++c) plage(c, c, static_cast<char>(c));
    plage(0xC0, 0xC5, 'A');  // À Á Â Ã Ä Å
    plage(0xC7, 0xC7, 'C');  // Ç
    plage(0xC8, 0xCB, 'E');  // È É Ê Ë
    plage(0xCC, 0xCF, 'I');  // Ì Í Î Ï
    plage(0xD0, 0xD0, 'D');  // Ð
    plage(0xD1, 0xD1, 'N');  // Ñ
    plage(0xD2, 0xD6, 'O');  // Ò Ó Ô Õ Ö
    plage(0xD9, 0xDC, 'U');  // Ù Ú Û Ü
    plage(0xDD, 0xDD, 'Y');  // Ý
    t[0xD7] = 'X';           // × (sa place de minuscule, ÷, reste sans lettre)
    t[0xDF] = 'B';           // ß
    t[0xFF] = 'Y';           // ÿ
    return t;
}

}  // namespace detail

inline constexpr std::array<char, 256> kLettresDeBase = detail::construirePliage();

constexpr char lettreDeBase(char c) { return kLettresDeBase[static_cast<unsigned char>(c)]; }

}  // namespace lignara
