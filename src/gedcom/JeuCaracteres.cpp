#include "gedcom/JeuCaracteres.h"

#include <cstdint>
#include <cstring>

#include "commun/Texte.h"

namespace lignara {

namespace {

using Octet = unsigned char;

// ANSEL A1..C8 : caractères isolés.
constexpr Octet kAnselA1[40] = {
    0x4C, 0xD8, 0xD0, 0xFE, 0xC6, 0x8C, 0xB4, 0xB7, 0x62, 0xAE,  // A1..AA
    0xB1, 0x4F, 0x55, 0xB4, 0x20, 0xB0, 0x6C, 0xF8, 0x64, 0xDE,  // AB..B4
    0xE6, 0x9C, 0x22, 0xB9, 0xA3, 0xF0, 0x20, 0x6F, 0x75, 0x20,  // B5..BE
    0x20, 0xB0, 0x6C, 0x70, 0xA9, 0x23, 0xBF, 0xA1, 0xDF, 0x80,  // BF..C8
};

// Marques combinantes ANSEL : lettres de base et lettres précomposées, deux à deux.
struct Marque {
    Octet marque;
    const char* bases;
    const char* resultats;  // littéraux UTF-8 convertis à la compilation
};

const Marque kMarques[] = {
    {0xE1, "aAeEiIoOuU", "àÀèÈìÌòÒùÙ"_1252}, {0xE2, "aAeEiIoOuUyY", "áÁéÉíÍóÓúÚýÝ"_1252},
    {0xE3, "aAeEiIoOuU", "âÂêÊîÎôÔûÛ"_1252}, {0xE4, "aAnNoO", "ãÃñÑõÕ"_1252},
    {0xE8, "aAeEiIoOuU", "äÄëËïÏöÖüÜ"_1252}, {0xF0, "cC", "çÇ"_1252},
};

// Mac OS Roman 80..FF vers Windows-1252 ; les signes absents deviennent un sosie simple.
constexpr Octet kMac80[128] = {
    0xC4, 0xC5, 0xC7, 0xC9, 0xD1, 0xD6, 0xDC, 0xE1, 0xE0, 0xE2, 0xE4, 0xE3, 0xE5, 0xE7, 0xE9, 0xE8, 0xEA, 0xEB, 0xED,
    0xEC, 0xEE, 0xEF, 0xF1, 0xF3, 0xF2, 0xF4, 0xF6, 0xF5, 0xFA, 0xF9, 0xFB, 0xFC, 0x2B, 0xB0, 0xA2, 0xA3, 0xA7, 0xB7,
    0xB6, 0xDF, 0xAE, 0xA9, 0x20, 0x27, 0xA8, 0x23, 0xC6, 0xD8, 0x20, 0xB1, 0x3C, 0x3E, 0xA5, 0xB5, 0xF0, 0x20, 0x20,
    0x20, 0x20, 0xAA, 0xBA, 0x20, 0xE6, 0xF8, 0xBF, 0xA1, 0xAC, 0x20, 0x66, 0x7E, 0x20, 0xAB, 0xBB, 0x2E, 0x20, 0xC0,
    0xC3, 0xD5, 0x8C, 0x9C, 0x2D, 0x2D, 0x22, 0x22, 0x27, 0x27, 0xF7, 0x20, 0xFF, 0xFF, 0x2F, 0x45, 0x3C, 0x3E, 0x66,
    0x66, 0x2B, 0xB7, 0x2C, 0x2C, 0x25, 0xC2, 0xCA, 0xC1, 0xCB, 0xC8, 0xCD, 0xCE, 0xCF, 0xCC, 0xD3, 0xD4, 0x3F, 0xD2,
    0xDA, 0xDB, 0xD9, 0x31, 0x5E, 0x7E, 0xAF, 0x5E, 0xB7, 0xB0, 0x2C, 0x22, 0x2C, 0x5E,
};

bool estMarqueAnsel(Octet o) { return o >= 0xE0 && o != 0xFF; }

Octet anselIsole(Octet o) {
    if (o <= 0xA0) return o;
    if (o <= 0xC8) return kAnselA1[o - 0xA1];
    return 0x20;  // C9..DF et FF : non attribués
}

// Lettre précomposée de la marque et de la base, ou 0 quand la paire n'est pas connue.
Octet composer(Octet marque, Octet base) {
    for (const Marque& m : kMarques) {
        if (m.marque != marque) continue;
        const char* p = base ? std::strchr(m.bases, base) : nullptr;
        return p ? static_cast<Octet>(m.resultats[p - m.bases]) : 0;
    }
    return 0;
}

std::size_t convertirAnsel(char* t, std::size_t n) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        auto o = static_cast<Octet>(t[i]);
        if (!estMarqueAnsel(o)) {
            t[k++] = static_cast<char>(anselIsole(o));
            continue;
        }
        // Plusieurs marques de suite : seule la dernière peut composer avec la lettre.
        if (i + 1 >= n || estMarqueAnsel(static_cast<Octet>(t[i + 1]))) continue;
        auto base = static_cast<Octet>(t[i + 1]);
        Octet compose = composer(o, base);
        t[k++] = static_cast<char>(compose ? compose : anselIsole(base));
        ++i;
    }
    return k;
}

// Longueur attendue d'une séquence UTF-8 d'après son premier octet (0 : pas un début).
std::size_t longueurAnnoncee(Octet o) {
    if (o >= 0xC2 && o <= 0xDF) return 2;
    if (o >= 0xE0 && o <= 0xEF) return 3;
    if (o >= 0xF0 && o <= 0xF4) return 4;
    return 0;
}

// Vrai quand t[0, n) est le début, coupé par la fin du texte, d'une séquence bien formée.
bool estSequenceTronquee(const char* t, std::size_t n) {
    std::size_t attendu = longueurAnnoncee(static_cast<Octet>(t[0]));
    if (attendu == 0 || n >= attendu) return false;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<Octet>(t[i]) & 0xC0) != 0x80) return false;
    return true;
}

std::size_t convertirUtf8(char* t, std::size_t n) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < n;) {
        auto o = static_cast<Octet>(t[i]);
        std::size_t reste = n - i;
        if (k == i && o <= 0x80) {  // rien n'a encore raccourci le texte : pas de recopie
            while (i < n && static_cast<Octet>(t[i]) <= 0x80) ++i;
            k = i;
            continue;
        }
        if (o <= 0x80) {
            t[k++] = t[i++];
            continue;
        }
        if (reste == 1 || estSequenceTronquee(t + i, reste)) break;  // début de séquence final : perdu
        auto suivant = static_cast<Octet>(t[i + 1]);
        if ((o == 0xC2 || o == 0xC3) && suivant >= 0x80 && suivant <= 0xBF) {
            t[k++] = static_cast<char>(o == 0xC2 ? suivant : suivant + 0x40);
            i += 2;
            continue;
        }
        char32_t c = 0;
        std::size_t l = decoderUtf8(std::string_view(t + i, reste), c);
        int o1252 = l ? octet1252DeUnicode(c) : -1;
        t[k++] = o1252 < 0 ? '?' : static_cast<char>(o1252);
        i += l ? l : 1;
    }
    return k;
}

std::size_t convertirMac(char* t, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        auto o = static_cast<Octet>(t[i]);
        if (o >= 0x80) t[i] = static_cast<char>(kMac80[o - 0x80]);
    }
    return n;
}

bool egalSansCasse(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        if (x != b[i]) return false;
    }
    return true;
}

}  // namespace

JeuCaracteres jeuDeValeurChar(std::string_view valeur) {
    if (egalSansCasse(valeur, "ANSEL")) return JeuCaracteres::Ansel;
    if (egalSansCasse(valeur, "UTF-8") || egalSansCasse(valeur, "UTF8")) return JeuCaracteres::Utf8;
    if (egalSansCasse(valeur, "MACINTOSH")) return JeuCaracteres::Macintosh;
    return JeuCaracteres::Aucun;
}

const char* nomJeuCaracteres(JeuCaracteres jeu) {
    switch (jeu) {
        case JeuCaracteres::Ansel: return "ANSEL";
        case JeuCaracteres::Utf8: return "UTF-8";
        case JeuCaracteres::Macintosh: return "Macintosh";
        case JeuCaracteres::Aucun: break;
    }
    return "aucun (octets copiés tels quels)"_1252;
}

std::size_t convertirEnPlace(char* texte, std::size_t longueur, JeuCaracteres jeu) {
    // Le cas courant est un texte ASCII : un seul passage, qui ne change que les tabulations.
    // Chaque ligne des deux passes de l'import passe ici : huit octets à la fois, et une
    // tabulation n'est remplacée que dans les blocs qui en ont une.
    constexpr std::uint64_t kUns = 0x0101010101010101ull;
    constexpr std::uint64_t kHauts = 0x8080808080808080ull;
    std::uint64_t hautsBlocs = 0;
    std::size_t i = 0;
    for (; i + 8 <= longueur; i += 8) {
        std::uint64_t bloc;
        std::memcpy(&bloc, texte + i, 8);
        hautsBlocs |= bloc;
        const std::uint64_t x = bloc ^ (kUns * '\t');  // octet nul là où il y a une tabulation
        if (((x - kUns) & ~x & kHauts) == 0) continue;
        for (std::size_t j = i; j < i + 8; ++j)
            if (texte[j] == '\t') texte[j] = ' ';
    }
    Octet hauts = (hautsBlocs & kHauts) ? 0x80 : 0;
    for (; i < longueur; ++i) {
        char c = texte[i];
        texte[i] = c == '\t' ? ' ' : c;
        hauts |= static_cast<Octet>(c);
    }
    if (hauts < 0x80 || jeu == JeuCaracteres::Aucun) return longueur;
    // Aucune conversion ne fait naître de tabulation : les avoir changées avant suffit.
    if (jeu == JeuCaracteres::Ansel) return convertirAnsel(texte, longueur);
    if (jeu == JeuCaracteres::Utf8) return convertirUtf8(texte, longueur);
    return convertirMac(texte, longueur);
}

}  // namespace lignara
