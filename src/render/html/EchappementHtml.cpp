#include "render/html/EchappementHtml.h"

#include <cstdint>

#include "commun/Texte.h"

namespace lignara {

namespace {

constexpr std::string_view kRemplacement = "&#65533;";

bool estOrdinaire(unsigned char o) {
    if (o < 0x20 || o == 0x7F || (o >= 0x80 && o < 0xA0) || o == 0xB0) return false;
    return o != '&' && o != '<' && o != '>' && o != '"' && o != ' ';
}

void ajouterOctet80a9F(std::string& sortie, unsigned char o) {
    if (o == 0x80) {
        sortie += "&euro;";
        return;
    }
    const char32_t c = unicodeDe1252(o);
    if (c < 0xA0) {
        sortie += kRemplacement;
        return;
    }
    sortie += "&#";
    sortie += std::to_string(static_cast<std::uint32_t>(c));
    sortie += ';';
}

// Rend le nombre d'octets consommés à partir de texte[i], qui n'est pas ordinaire.
std::size_t ajouterSpecial(std::string& sortie, std::string_view texte, std::size_t i, bool titre) {
    const auto o = static_cast<unsigned char>(texte[i]);
    auto suiviDe = [&](char c) { return i + 1 < texte.size() && texte[i + 1] == c; };
    switch (o) {
        case '&': sortie += "&amp;"; return 1;
        case '<': sortie += "&lt;"; return 1;
        case '>': sortie += "&gt;"; return 1;
        case '"': sortie += "&quot;"; return 1;
        case 0xB0: sortie += "&deg;"; return 1;
        case '\t': sortie += ' '; return 1;
        case ' ':
            if (!suiviDe(' ')) {
                sortie += ' ';
                return 1;
            }
            sortie += " &nbsp;";
            return 2;
        case '\r':
            if (suiviDe('\n')) return 1;
            [[fallthrough]];
        case '\n': sortie += titre ? " " : "<br>"; return 1;
        default: break;
    }
    if (o >= 0x80)
        ajouterOctet80a9F(sortie, o);
    else
        sortie += kRemplacement;
    return 1;
}

void ajouter(std::string& sortie, std::string_view texte, bool titre) {
    std::size_t i = 0;
    while (i < texte.size()) {
        std::size_t fin = i;
        while (fin < texte.size() && estOrdinaire(static_cast<unsigned char>(texte[fin]))) ++fin;
        sortie.append(texte.substr(i, fin - i));
        if (fin == texte.size()) break;
        i = fin + ajouterSpecial(sortie, texte, fin, titre);
    }
}

}  // namespace

void ajouterHtmlEchappe(std::string& sortie, std::string_view texte1252) { ajouter(sortie, texte1252, false); }

std::string echapperHtml(std::string_view texte1252) {
    std::string sortie;
    sortie.reserve(texte1252.size());
    ajouter(sortie, texte1252, false);
    return sortie;
}

std::string echapperTitreHtml(std::string_view texte1252) {
    std::string sortie;
    ajouter(sortie, texte1252, true);
    return sortie;
}

}  // namespace lignara
