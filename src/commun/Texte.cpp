#include "commun/Texte.h"

namespace lignara {

namespace {
// Points de code des octets 0x80-0x9F de Windows-1252.
constexpr char32_t kZone80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void ajouterUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (c >> 18));
        sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}
}  // namespace

char32_t unicodeDe1252(std::uint8_t octet) {
    if (octet >= 0x80 && octet < 0xA0) return kZone80[octet - 0x80];
    return octet;
}

int octet1252DeUnicode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kZone80[i] == c) return 0x80 + i;
    return -1;
}

std::string versUtf8(std::string_view texte1252) {
    std::string sortie;
    sortie.reserve(texte1252.size() + texte1252.size() / 8);
    for (char ch : texte1252) ajouterUtf8(sortie, unicodeDe1252(static_cast<std::uint8_t>(ch)));
    return sortie;
}

std::size_t decoderUtf8(std::string_view t, char32_t& c) {
    if (t.empty()) return 0;
    auto b0 = static_cast<unsigned char>(t[0]);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t l;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        l = 2;
        c = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        l = 3;
        c = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        l = 4;
        c = b0 & 0x07;
        min = 0x10000;
    } else
        return 0;
    if (t.size() < l) return 0;
    for (std::size_t i = 1; i < l; ++i) {
        auto b = static_cast<unsigned char>(t[i]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    // Formes trop longues, demi-codets UTF-16 et au-delà de U+10FFFF : mal formées.
    if (c < min || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0;
    return l;
}

std::string depuisUtf8(std::string_view utf8) {
    std::string sortie;
    sortie.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t c = 0;
        std::size_t l = decoderUtf8(utf8, c);
        if (l == 0) {
            sortie += '?';
            utf8.remove_prefix(1);
            continue;
        }
        int o = octet1252DeUnicode(c);
        sortie += o < 0 ? '?' : static_cast<char>(static_cast<unsigned char>(o));
        utf8.remove_prefix(l);
    }
    return sortie;
}

}  // namespace lignara
