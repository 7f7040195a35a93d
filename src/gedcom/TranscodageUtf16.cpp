#include "gedcom/TranscodageUtf16.h"

#include <algorithm>

#include <cstdint>
#include <string>
#include <vector>

namespace lignara {

namespace {

// Vrai quand la première ligne, lue par codets de 16 bits, n'a que des octets forts nuls
// (indice 1 pour le petit-boutiste, 0 pour le grand) et au moins deux caractères.
bool premiereLigneEn(std::string_view d, std::size_t fort) {
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i + 1 < d.size(); i += 2) {
        auto octetFort = static_cast<unsigned char>(d[i + fort]);
        auto octetFaible = static_cast<unsigned char>(d[i + 1 - fort]);
        if (octetFort != 0 || octetFaible == 0) return false;
        if (octetFaible == '\r' || octetFaible == '\n') break;
        ++caracteres;
    }
    return caracteres >= 2;
}

void ajouterUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool estDemiHaut(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool estDemiBas(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

DetectionUtf16 detecterUtf16(std::string_view d) {
    if (d.size() >= 2 && d[0] == '\xFF' && d[1] == '\xFE') return {OrdreUtf16::PetitBoutiste, true};
    if (d.size() >= 2 && d[0] == '\xFE' && d[1] == '\xFF') return {OrdreUtf16::GrandBoutiste, true};
    if (premiereLigneEn(d, 1)) return {OrdreUtf16::PetitBoutiste, false};
    if (premiereLigneEn(d, 0)) return {OrdreUtf16::GrandBoutiste, false};
    return {};
}

bool transcoderUtf16(std::FILE* source, OrdreUtf16 ordre, std::FILE* destination, std::uint64_t limite) {
    std::vector<unsigned char> entree(1 << 16);
    std::string sortie;
    char32_t enAttente = 0;  // demi-codet haut qui attend son demi-codet bas
    int octetSeul = -1;      // premier octet d'un codet coupé entre deux lectures
    for (;;) {
        const auto voulu = static_cast<std::size_t>(std::min<std::uint64_t>(entree.size(), limite));
        std::size_t n = voulu == 0 ? 0 : std::fread(entree.data(), 1, voulu, source);
        if (n == 0) break;
        limite -= n;
        sortie.clear();
        for (std::size_t i = 0; i < n; ++i) {
            if (octetSeul < 0) {
                octetSeul = entree[i];
                continue;
            }
            auto a = static_cast<char32_t>(octetSeul), b = static_cast<char32_t>(entree[i]);
            octetSeul = -1;
            char32_t u = ordre == OrdreUtf16::PetitBoutiste ? (b << 8 | a) : (a << 8 | b);
            if (enAttente && estDemiBas(u)) {
                ajouterUtf8(sortie, 0x10000 + ((enAttente - 0xD800) << 10) + (u - 0xDC00));
                enAttente = 0;
                continue;
            }
            if (enAttente) sortie += '?';
            enAttente = 0;
            if (estDemiHaut(u))
                enAttente = u;
            else if (estDemiBas(u))
                sortie += '?';
            else
                ajouterUtf8(sortie, u);
        }
        if (std::fwrite(sortie.data(), 1, sortie.size(), destination) != sortie.size()) return false;
    }
    if (enAttente && std::fputc('?', destination) == EOF) return false;
    if (octetSeul >= 0 && std::fputc('?', destination) == EOF) return false;
    return std::fflush(destination) == 0;
}

}  // namespace lignara
