#pragma once
// Texte interne : octets Windows-1252 partout (base, documents, messages). On ne convertit
// qu'aux frontières : sources du programme (UTF-8), terminal, arguments, noms de fichiers, Qt.
//
// Les messages écrits dans le code passent par le suffixe _1252, converti à la compilation :
//     throw OperationImpossible("Fichiers de données corrompus"_1252);
// Un caractère absent de Windows-1252 dans un tel littéral est une erreur de compilation.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lignara {

// Point de code Unicode d'un octet Windows-1252. Les cinq positions non attribuées
// (81, 8D, 8F, 90, 9D) donnent le contrôle C1 de même valeur, comme le fait Windows.
char32_t unicodeDe1252(std::uint8_t octet);

// Octet Windows-1252 d'un point de code, ou -1 quand Windows-1252 ne l'a pas.
int octet1252DeUnicode(char32_t pointDeCode);

// Windows-1252 -> UTF-8 (toujours possible).
std::string versUtf8(std::string_view texte1252);

// UTF-8 -> Windows-1252 : un caractère absent de Windows-1252 devient un '?', un octet mal formé
// aussi ; une séquence n'est jamais coupée.
std::string depuisUtf8(std::string_view utf8);

// Décode une séquence UTF-8 au début de texte. Rend le nombre d'octets lus (0 si mal formée :
// l'appelant consomme alors un octet) et le point de code.
std::size_t decoderUtf8(std::string_view texte, char32_t& pointDeCode);

namespace detail {

template <std::size_t N>
struct LitteralUtf8 {
    char octets[N]{};
    consteval LitteralUtf8(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) octets[i] = s[i];
    }
};

consteval int octetConsteval(char32_t c) {
    constexpr char32_t table[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                    0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (table[i] == c) return 0x80 + i;
    return -1;
}

// Parcourt le littéral ; écrit dans sortie quand elle n'est pas nulle. Rend la longueur convertie.
consteval std::size_t convertirConsteval(const char* s, std::size_t n, char* sortie) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < n;) {
        auto b = static_cast<unsigned char>(s[i]);
        char32_t c = 0;
        std::size_t l = 1;
        if (b < 0x80)
            c = b;
        else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            l = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            l = 3;
        } else {
            c = b & 0x07;
            l = 4;
        }
        for (std::size_t j = 1; j < l; ++j) c = (c << 6) | (static_cast<unsigned char>(s[i + j]) & 0x3F);
        int o = octetConsteval(c);
        if (o < 0) throw "caractère absent de Windows-1252 dans un littéral _1252";
        if (sortie) sortie[k] = static_cast<char>(static_cast<unsigned char>(o));
        ++k;
        i += l;
    }
    return k;
}

template <std::size_t T, std::size_t N>
consteval std::array<char, T + 1> tableau1252(const LitteralUtf8<N>& s) {
    std::array<char, T + 1> a{};
    convertirConsteval(s.octets, N - 1, a.data());
    return a;
}

template <LitteralUtf8 S>
struct Litteral1252 {
    static constexpr std::size_t taille = convertirConsteval(S.octets, sizeof(S.octets) - 1, nullptr);
    static constexpr std::array<char, taille + 1> octets = tableau1252<taille>(S);
};

}  // namespace detail

// Littéral converti en Windows-1252 à la compilation, terminé par un zéro (utilisable comme
// patron printf).
template <detail::LitteralUtf8 S>
constexpr const char* operator""_1252() {
    return detail::Litteral1252<S>::octets.data();
}

}  // namespace lignara
