#include "reference/CategorieTexte.h"

#include "commun/PliageAccents.h"

namespace lignara {

namespace {

bool termineePar(std::string_view mot, std::string_view fin) {
    return mot.size() >= fin.size() && mot.substr(mot.size() - fin.size()) == fin;
}

}  // namespace

char normaliserCaractereCategorie(char c) {
    const char lettre = lettreDeBase(c);
    return lettre != 0 ? lettre : ' ';
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
