#include "render/rtf/EchappementRtf.h"

namespace lignara {

namespace {

bool estOrdinaire(unsigned char o) { return o >= 0x20 && o < 0x7F && o != '\\' && o != '{' && o != '}'; }

void ajouterSpecial(std::string& sortie, unsigned char o) {
    static constexpr char kChiffres[] = "0123456789abcdef";
    switch (o) {
        case '\\': sortie += "\\\\"; return;
        case '{': sortie += "\\{"; return;
        case '}': sortie += "\\}"; return;
        case '\n': sortie += "\\line "; return;
        case '\t': sortie += "\\tab "; return;
        case '\r': return;
        default: break;
    }
    sortie += "\\'";
    sortie += kChiffres[o >> 4];
    sortie += kChiffres[o & 15];
}

}  // namespace

void ajouterRtfEchappe(std::string& sortie, std::string_view texte1252) {
    std::size_t i = 0;
    while (i < texte1252.size()) {
        std::size_t fin = i;
        while (fin < texte1252.size() && estOrdinaire(static_cast<unsigned char>(texte1252[fin]))) ++fin;
        sortie.append(texte1252.substr(i, fin - i));
        if (fin == texte1252.size()) break;
        ajouterSpecial(sortie, static_cast<unsigned char>(texte1252[fin]));
        i = fin + 1;
    }
}

std::string echapperRtf(std::string_view texte1252) {
    std::string sortie;
    sortie.reserve(texte1252.size());
    ajouterRtfEchappe(sortie, texte1252);
    return sortie;
}

}  // namespace lignara
