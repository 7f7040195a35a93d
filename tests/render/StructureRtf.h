#pragma once
// Aide des essais des documents RTF.
#include <cctype>
#include <string>

namespace lignara::essai {

// Contrôle de structure d'un RTF : groupes équilibrés (le premier ne se ferme qu'à la fin),
// échappements complets, données des images en hexadécimal de longueur paire. Rend le premier
// défaut trouvé, vide si aucun.
inline std::string defautDeStructureRtf(const std::string& rtf) {
    if (rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0) != 0) return "en-tête";
    int profondeur = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const auto c = static_cast<unsigned char>(rtf[i]);
        if (c >= 0x80) return "octet non échappé à " + std::to_string(i);
        if (c == '{') ++profondeur;
        if (c == '}' && --profondeur == 0 && i + 1 != rtf.size()) return "groupe fermé tôt à " + std::to_string(i);
        if (c != '\\') continue;
        if (i + 1 == rtf.size()) return "\\ final";
        const char s = rtf[i + 1];
        if (s == '\'') {
            if (i + 3 >= rtf.size() || !std::isxdigit(static_cast<unsigned char>(rtf[i + 2])) ||
                !std::isxdigit(static_cast<unsigned char>(rtf[i + 3])))
                return "\\' incomplet à " + std::to_string(i);
            i += 3;
        } else if (s == '\\' || s == '{' || s == '}' || s == '*') {
            ++i;
        } else if (!std::isalpha(static_cast<unsigned char>(s))) {
            return "symbole inconnu à " + std::to_string(i);
        }
    }
    if (profondeur != 0) return "groupes non équilibrés";
    for (std::size_t p = rtf.find("\\jpegblip "); p != std::string::npos; p = rtf.find("\\jpegblip ", p + 1)) {
        // Les données suivent le dernier blanc du groupe \pict.
        const std::size_t fin = rtf.find('}', p);
        const std::size_t debut = rtf.rfind(' ', fin);
        const std::string hexa = rtf.substr(debut + 1, fin - debut - 1);
        if (hexa.empty() || hexa.size() % 2 != 0 || hexa.find_first_not_of("0123456789abcdef") != std::string::npos)
            return "données d'image : " + hexa;
    }
    return {};
}

}  // namespace lignara::essai
