#include "reference/CategorieTexte.h"

#include <array>

namespace lignara {

namespace {

// Lettres de base des octets 192 à 255 ; '\0' : inchangé (Æ, æ), ' ' : devient une espace.
constexpr char kPlis[64] = {
    'A', 'A', 'A', 'A', 'A', 'A', '\0', 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',  // À–Ï
    'D', 'N', 'O', 'O', 'O', 'O', 'O', 'X', ' ', 'U', 'U', 'U', 'U', 'Y', ' ', 'B',   // Ð–ß
    'A', 'A', 'A', 'A', 'A', 'A', '\0', 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',  // à–ï
    'D', 'N', 'O', 'O', 'O', 'O', 'O', ' ', ' ', 'U', 'U', 'U', 'U', 'Y', ' ', 'Y'};  // ð–ÿ

bool termineePar(std::string_view mot, std::string_view fin) {
    return mot.size() >= fin.size() && mot.substr(mot.size() - fin.size()) == fin;
}

}  // namespace

char normaliserCaractereCategorie(char c) {
    auto o = static_cast<unsigned char>(c);
    if (o < 192) {
        if (o >= 'a' && o <= 'z') o = static_cast<unsigned char>(o - 'a' + 'A');
    } else if (kPlis[o - 192] != '\0') {
        o = static_cast<unsigned char>(kPlis[o - 192]);
    }
    return (o >= 'A' && o <= 'Z') ? static_cast<char>(o) : ' ';
}

bool estLettreCategorie(char normalise) { return normalise != ' '; }

std::string normaliserMotCle(std::string_view motCle1252) {
    std::string mot;
    mot.reserve(motCle1252.size());
    for (char c : motCle1252) mot += normaliserCaractereCategorie(c);
    std::size_t debut = mot.find_first_not_of(' ');
    if (debut == std::string::npos) return {};
    std::size_t fin = mot.find_last_not_of(' ');
    return mot.substr(debut, fin - debut + 1);
}

std::string formeFeminine(std::string_view m) {
    if (m.size() < 5 || m.size() > 47) return {};
    std::string mot(m);
    if (termineePar(m, "AL") || termineePar(m, "ER") || termineePar(m, "IN")) return mot + "E";
    if (termineePar(m, "AND") || termineePar(m, "ANT") || termineePar(m, "ARD")) return mot + "E";
    if (termineePar(m, "TEUR")) return mot.substr(0, mot.size() - 3) + "RICE";
    // « EUR » précédé d'une lettre ; une espace devant (mot « EUR » isolé) ne donne rien.
    if (termineePar(m, "EUR") && m[m.size() - 4] != ' ') return mot.substr(0, mot.size() - 1) + "SE";
    if (termineePar(m, "RON") || termineePar(m, "IEN")) return mot + "NE";
    return {};
}

}  // namespace lignara
