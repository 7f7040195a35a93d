#include "database/ClePhonetiqueLarge.h"

#include <cstdint>

#include "commun/PliageAccents.h"

// Réécritures successives d'une copie en minuscules sans séparateur. Deux marques :
//   'E' : e sonore (é, è, ê ou ë de fin de nom ; « er », « ez », « et » finals ; « ai », « ei ») ;
//   'N', 'M' : n ou m d'une finale « ne », « me », qui sonne et ne fait pas de nasale ;
//   chiffres : sons de deux lettres (1 « an », 2 « oi », 3 « ou », 4 « in », 5 « ch », 6 « eu »).
// Un 'e' simple qui reste entre deux consonnes ou en fin de nom est muet et disparaît.

namespace lignara {

namespace {

bool voyelle(char c) {
    switch (c) {
        case 'a':
        case 'e':
        case 'i':
        case 'o':
        case 'u':
        case 'y':
        case 'E':
        case '1':
        case '2':
        case '3':
        case '4':
        case '6': return true;
        default: return false;
    }
}

bool consonne(char c) { return c != 0 && !voyelle(c); }

char a(const std::string& s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }

// Une passe de gauche à droite, sans chevauchement : linéaire même sur un nom démesuré.
void remplacer(std::string& s, std::string_view motif, std::string_view par) {
    if (s.find(motif) == std::string::npos) return;
    std::string r;
    r.reserve(s.size() + s.size() / 2);
    for (std::size_t i = 0; i < s.size();) {
        if (s.compare(i, motif.size(), motif) == 0) {
            r += par;
            i += motif.size();
        } else {
            r += s[i++];
        }
    }
    s.swap(r);
}

// Minuscules sans accent ni séparateur ; un e accentué garde sa marque 'E' à ce stade.
std::string normaliser(std::string_view nom) {
    std::string s;
    s.reserve(nom.size() + 4);
    for (char c : nom) {
        if (c == '(' || c == '{' || c == '/') break;
        const auto o = static_cast<std::uint8_t>(c);
        switch (o) {
            case 0x8C:
            case 0x9C: s += "oe"; continue;  // Œ œ
            case 0xC6:
            case 0xE6: s += "ae"; continue;  // Æ æ
            case 0xDF: s += "ss"; continue;  // ß
            case 0xD8:
            case 0xF8: s += 'o'; continue;  // Ø ø
            case 0x8A:
            case 0x9A: s += 's'; continue;  // Š š
            case 0x8E:
            case 0x9E: s += 'z'; continue;  // Ž ž
            case 0x9F:
            case 0xFD: s += 'y'; continue;  // Ÿ ý
            case 0xD7: continue;            // × n'est pas une lettre
            default: break;
        }
        const char lettre = lettreDeBase(c);
        if (lettre == 0) continue;
        if (lettre == 'C' && o >= 0x80)
            s += 's';  // ç
        else if (lettre == 'E' && o >= 0x80)
            s += 'E';
        else
            s += static_cast<char>(lettre + 32);
    }
    return s;
}

// La fin du nom : é et « er », « ez », « et » sonnent é ; e simple et consonnes muettes
// tombent, jusqu'à ce que rien ne change (« Faures » → « Faure » → « Faur »).
void traiterFin(std::string& s) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] == 'E') s[i] = 'e';  // un accent au milieu ne change rien au son
    if (s.size() > 3 && s[s.size() - 2] == 'e' && (s.back() == 'r' || s.back() == 'z' || s.back() == 't')) {
        s.resize(s.size() - 2);
        s += 'E';
    }
    for (bool change = true; change && s.size() > 1;) {
        change = false;
        const char f = s.back();
        if (f == 'e' || f == 's' || f == 't' || f == 'd' || f == 'x' || f == 'z' || f == 'p') {
            s.pop_back();
            change = true;
            // « ge », « ce » : l'e muet laissait le g et le c doux.
            if (f == 'e' && s.back() == 'g') s.back() = 'j';
            if (f == 'e' && s.back() == 'c') s.back() = 's';
            // « ine », « onne » : le n sonne, il ne fera pas de nasale (Martine n'est pas Martin).
            if (f == 'e' && (s.back() == 'n' || s.back() == 'm')) {
                const char sonore = s.back() == 'n' ? 'N' : 'M';
                while (!s.empty() && (s.back() == 'n' || s.back() == 'm')) s.pop_back();
                s += sonore;
                break;
            }
        }
    }
}

// Consonnes : h muet, c, q, g, x, w, z, y.
void consonnes(std::string& s) {
    remplacer(s, "ph", "f");
    remplacer(s, "sch", "5");
    remplacer(s, "ch", "5");
    remplacer(s, "sh", "5");
    std::string r;
    for (char c : s)
        if (c != 'h') r += c;
    s.swap(r);
    remplacer(s, "ck", "k");
    remplacer(s, "bv", "v");
    remplacer(s, "qu", "k");
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char n = a(s, i + 1);
        const bool douce = n == 'e' || n == 'i' || n == 'y' || n == 'E';
        switch (s[i]) {
            case 'c': s[i] = douce ? 's' : 'k'; break;
            case 'q': s[i] = 'k'; break;
            case 'g':
                if (douce) s[i] = 'j';
                break;
            case 'w': s[i] = 'v'; break;
            case 'z': s[i] = 's'; break;
            case 'y': s[i] = 'i'; break;
            default: break;
        }
    }
    // Le u de « gue », « gui » ne sert qu'à durcir le g, déjà lu dur ci-dessus.
    std::string r2;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char n = a(s, i + 1);
        if (s[i] == 'u' && i > 0 && s[i - 1] == 'g' && (n == 'e' || n == 'i' || n == 'E')) continue;
        r2 += s[i];
    }
    s.swap(r2);
    r2.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != 'x')
            r2 += s[i];
        else
            r2 += i > 0 && voyelle(s[i - 1]) && voyelle(a(s, i + 1)) ? "ss" : "ks";
    }
    s.swap(r2);
}

// Voyelles composées et nasales devant consonne ou en fin.
void voyelles(std::string& s) {
    remplacer(s, "eau", "o");
    remplacer(s, "au", "o");
    remplacer(s, "oeu", "6");
    remplacer(s, "oe", "6");
    remplacer(s, "eu", "6");
    remplacer(s, "ou", "3");
    remplacer(s, "oi", "2");
    remplacer(s, "ai", "E");
    remplacer(s, "ei", "E");
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const char n = a(s, i + 1);
        const char apres = a(s, i + 2);
        const bool fermee = apres == 0 || (consonne(apres) && apres != 'n' && apres != 'm');
        if ((c == 'a' || c == 'e') && (n == 'n' || (n == 'm' && (apres == 'b' || apres == 'p'))) && fermee) {
            r += '1';
            ++i;
        } else if ((c == 'i' || c == 'E') && (n == 'n' || n == 'm') && fermee) {
            r += '4';
            ++i;
        } else {
            r += c;
        }
    }
    s.swap(r);
}

// L'ancien s muet entre voyelle et consonne (Meusnier, Estienne, Deschamps).
void sMuet(std::string& s) {
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == 's' && i > 0 && voyelle(s[i - 1]) && consonne(a(s, i + 1)) && a(s, i + 1) != 's') continue;
        r += s[i];
    }
    s.swap(r);
}

void fondreDoubles(std::string& s) {
    std::string r;
    for (char c : s)
        if (r.empty() || r.back() != c) r += c;
    s.swap(r);
}

// L'e muet entre deux consonnes (Berthelot → Bertlo, Lefebvre → Lfvr).
void eMuet(std::string& s) {
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == 'e' && !r.empty() && consonne(r.back()) && consonne(a(s, i + 1))) continue;
        r += s[i];
    }
    s.swap(r);
}

}  // namespace

std::string ClePhonetiqueLarge(std::string_view nom) {
    std::string s = normaliser(nom);
    if (s.empty()) return s;
    // Le l muet de « ault », avant que la finale muette ne le laisse seul en fin de nom.
    remplacer(s, "ault", "aut");
    remplacer(s, "auld", "aud");
    remplacer(s, "aulx", "aux");
    traiterFin(s);
    consonnes(s);
    sMuet(s);
    fondreDoubles(s);
    voyelles(s);
    eMuet(s);
    fondreDoubles(s);
    return s;
}

}  // namespace lignara
