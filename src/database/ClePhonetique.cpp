// Clé phonétique : 24 réécritures successives d'une copie de travail « -nom ». Le '-' de tête
// sert de début de mot aux règles qui regardent en arrière ; tous les séparateurs deviennent
// des '-' et disparaissent à la fin. Chaque étape lit la chaîne de gauche à droite et écrit sur
// place derrière sa lecture (elle ne rallonge jamais, sauf l'étape 23 qui écrit ailleurs).
#include "database/ClePhonetique.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "commun/PliageAccents.h"

namespace lignara {

namespace {

// Copie de travail : sur la pile pour les noms courants, sans allocation ; la capacité
// couvre les insertions de l'étape 23 (un 'o' pour trois caractères au plus).
class Ecriture {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    explicit Ecriture(std::size_t longueurNom) {
        std::size_t capacite = longueurNom + longueurNom / 2 + 4;
        if (capacite > sizeof local_) {
            tas_.resize(capacite);
            d_ = tas_.data();
        }
    }
    Ecriture(const Ecriture&) = delete;
    Ecriture& operator=(const Ecriture&) = delete;

    std::size_t size() const { return n_; }
    char& operator[](std::size_t i) { return d_[i]; }
    char operator[](std::size_t i) const { return d_[i]; }
    char* begin() { return d_; }
    char* end() { return d_ + n_; }
    void push_back(char c) { d_[n_++] = c; }
    void resize(std::size_t n) { n_ = n; }  // ne fait que raccourcir

    std::size_t find(char c, std::size_t depuis = 0) const {
        for (std::size_t i = depuis; i < n_; ++i)
            if (d_[i] == c) return i;
        return npos;
    }
    std::size_t find(std::string_view motif) const {
        for (std::size_t i = 0; i + motif.size() <= n_; ++i)
            if (d_[i] == motif[0] && std::string_view(d_ + i, motif.size()) == motif) return i;
        return npos;
    }
    bool ends_with(std::string_view fin) const {
        return n_ >= fin.size() && std::string_view(d_ + n_ - fin.size(), fin.size()) == fin;
    }

private:
    char local_[128];
    std::vector<char> tas_;
    char* d_ = local_;
    std::size_t n_ = 0;
};

// Étape 1 : lettres minuscules sans accent, tout le reste en '-'. Écarts au pliage commun,
// pour le son : e accentué et Æ deviennent 'é', Ï garde son tréma (« Moïse » n'a pas de
// « oi »), y accentué se dit 'i', Ç et ß se disent 's' ; × n'est pas une lettre.
char replier(std::uint8_t o) {
    switch (o) {
        case 0xC6:
        case 0xE6: return '\xE9';  // Æ æ → é
        case 0xCF:
        case 0xEF: return '\xEF';  // Ï ï → ï
        case 0xDD:
        case 0xFD:
        case 0xFF:
        case 0x9F: return 'i';  // Ý ý ÿ Ÿ
        case 0xC7:
        case 0xE7:
        case 0xDF: return 's';  // Ç ç ß
        case 0xD7: return '-';  // ×
        default: break;
    }
    const char lettre = lettreDeBase(static_cast<char>(o));
    if (lettre == 0) return '-';
    if (lettre == 'E' && o >= 0x80) return '\xE9';  // È É Ê Ë et leurs minuscules
    return static_cast<char>(lettre + 32);
}

void normaliser(std::string_view nom, Ecriture& s) {
    s.push_back('-');
    for (char c : nom) {
        if (c == '(' || c == '{' || c == '/') break;
        auto o = static_cast<std::uint8_t>(c);
        // ç garde sa cédille (l'étape 10 en fait un 's' après la règle du 's' entre voyelles).
        s.push_back(o == 0xE7 ? c : replier(o));
    }
}

using Ensemble = std::array<bool, 256>;

constexpr Ensemble ensemble(std::string_view membres) {
    Ensemble e{};
    for (char c : membres) e[static_cast<std::uint8_t>(c)] = true;
    return e;
}

bool dans(char c, const Ensemble& e) { return e[static_cast<std::uint8_t>(c)]; }

constexpr Ensemble kVoyelles = ensemble("aeiou");
constexpr Ensemble kVoyellesEtSons = ensemble(
    "aeiou\xEF"
    "1234");
constexpr Ensemble kDurcissentG = ensemble("aoy");

// Caractère à la position i, ou 0 au-delà de la fin.
char a(const Ecriture& s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }

bool commencePar(const Ecriture& s, std::size_t i, std::string_view motif) {
    for (char c : motif)
        if (a(s, i++) != c) return false;
    return true;
}

// « ain », « ein », « aim », « eim » à la position i.
bool nasaleAIn(const Ecriture& s, std::size_t i) {
    return (s[i] == 'a' || s[i] == 'e') && a(s, i + 1) == 'i' && (a(s, i + 2) == 'n' || a(s, i + 2) == 'm');
}

// Remplace chaque occurrence de motif (sans chevauchement, de gauche à droite) ; jamais plus long.
void remplacer(Ecriture& s, std::string_view motif, std::string_view par) {
    std::size_t lu = s.find(motif);
    if (lu == Ecriture::npos) return;  // le cas courant : rien à réécrire
    std::size_t ecrit = lu;
    const std::size_t longueurMotif = motif.size();
    while (lu < s.size()) {
        if (commencePar(s, lu, motif)) {
            for (char c : par) s[ecrit++] = c;
            lu += longueurMotif;
        } else {
            s[ecrit++] = s[lu++];
        }
    }
    s.resize(ecrit);
}

// Étape 3 : le 'h' muet disparaît après la première lettre, sauf dans « ch » et « sh » ; « ph » → 'f'.
void oterH(Ecriture& s) {
    if (s.find('h', 2) == Ecriture::npos) return;
    std::size_t ecrit = 1;
    for (std::size_t lu = 1; lu < s.size(); ++lu) {
        char c = s[lu];
        char avant = s[ecrit - 1];
        if (c == 'h' && lu >= 2 && avant != 'c' && avant != 's') {
            if (avant == 'p') s[ecrit - 1] = 'f';
            continue;
        }
        s[ecrit++] = c;
    }
    s.resize(ecrit);
}

// Étape 4 : 'g' dur devant « an », « am », « ain », « aim ».
void gDur(Ecriture& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == 'g' && a(s, i + 1) == 'a' &&
            (a(s, i + 2) == 'n' || a(s, i + 2) == 'm' ||
             (a(s, i + 2) == 'i' && (a(s, i + 3) == 'n' || a(s, i + 3) == 'm'))))
            s[i] = 'k';
}

// Étapes 5 et 7 : « ain » et ses variantes, devant voyelle (5) ou partout (7).
void nasalesAIn(Ecriture& s, bool devantVoyelle) {
    if (s.find('i') == Ecriture::npos) return;
    std::size_t ecrit = 0;
    for (std::size_t lu = 0; lu < s.size();) {
        if (nasaleAIn(s, lu) && (!devantVoyelle || dans(a(s, lu + 3), kVoyelles))) {
            if (devantVoyelle) {
                s[ecrit++] = 'y';
                s[ecrit++] = 'n';
            } else {
                s[ecrit++] = '4';
            }
            lu += 3;
        } else {
            s[ecrit++] = s[lu++];
        }
    }
    s.resize(ecrit);
}

// Étape 8 : les sons « é » deviennent 'y'.
void sonsE(Ecriture& s) {
    std::size_t ecrit = 1;
    for (std::size_t lu = 1; lu < s.size();) {
        char c = s[lu];
        char suivant = a(s, lu + 1);
        if (c == '\xE9') {
            s[ecrit++] = 'y';
            ++lu;
        } else if ((c == 'a' || c == 'e') && suivant == 'i') {
            s[ecrit++] = 'y';
            lu += 2;
        } else if (c == 'e' && (suivant == 'r' || suivant == 't' || commencePar(s, lu + 1, "ss"))) {
            s[ecrit++] = 'y';
            ++lu;
        } else {
            s[ecrit++] = s[lu++];
        }
    }
    s.resize(ecrit);
}

// Étape 9 : nasales devant une autre lettre, hors première lettre. Une nasale de fin de mot
// reste, en fin de nom comme devant un séparateur : « Martin (Martinez) » garde la clé de « Martin ».
void nasales(Ecriture& s) {
    std::size_t ecrit = 0;
    for (std::size_t lu = 0; lu < s.size();) {
        char c = s[lu];
        char n = a(s, lu + 1);
        bool an = (c == 'a' || c == 'e') && (n == 'n' || n == 'm');
        bool in = c == 'i' && n == 'n';
        if (lu >= 2 && (an || in) && lu + 2 < s.size() && s[lu + 2] != '-' && !dans(s[lu + 2], kVoyellesEtSons)) {
            s[ecrit++] = an ? '1' : '4';
            lu += 2;
        } else {
            s[ecrit++] = s[lu++];
        }
    }
    s.resize(ecrit);
}

// Étape 10 : 's' entre voyelles → 'z', puis 'ç' → 's'.
void sEntreVoyelles(Ecriture& s) {
    for (std::size_t i = 1; i + 1 < s.size(); ++i)
        if (s[i] == 's' && dans(s[i - 1], kVoyellesEtSons) && dans(s[i + 1], kVoyellesEtSons)) s[i] = 'z';
    for (char& c : s)
        if (c == '\xE7') c = 's';
}

// Étape 13 : « ss » et « sc » perdent leur seconde lettre.
void sDouble(Ecriture& s) {
    if (s.find('s') == Ecriture::npos) return;
    std::size_t ecrit = 1;
    for (std::size_t lu = 1; lu < s.size(); ++lu) {
        if ((s[lu] == 's' || s[lu] == 'c') && s[ecrit - 1] == 's') continue;
        s[ecrit++] = s[lu];
    }
    s.resize(ecrit);
}

// Étape 14 : 'c' doux devant e et i, dur ailleurs.
void lettreC(Ecriture& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == 'c') s[i] = (a(s, i + 1) == 'e' || a(s, i + 1) == 'i') ? 's' : 'k';
}

// Étape 15 : « q » → 'k', le 'u' qui le suit disparaît.
void lettreQ(Ecriture& s) {
    if (s.find('q') == Ecriture::npos) return;
    std::size_t ecrit = 1;
    char precedent = s[0];
    for (std::size_t lu = 1; lu < s.size(); ++lu) {
        char c = s[lu];
        bool uApresQ = c == 'u' && precedent == 'q';
        precedent = c;
        if (!uApresQ) s[ecrit++] = c;
    }
    s.resize(ecrit);
    for (char& c : s)
        if (c == 'q') c = 'k';
}

// Étape 16 : 'g' dur.
void lettreG(Ecriture& s) {
    remplacer(s, "gu", "k");
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == 'g' && dans(a(s, i + 1), kDurcissentG)) s[i] = 'k';
}

// Étape 17 : lettres de même son.
void lettresVoisines(Ecriture& s) {
    for (char& c : s) {
        switch (c) {
            case 'a': c = 'o'; break;
            case 'd':
            case 'p': c = 't'; break;
            case 'j': c = 'g'; break;
            case 'b':
            case 'v': c = 'f'; break;
            case 'm': c = 'n'; break;
            default: break;
        }
    }
}

// Étape 18 : une suite de caractères égaux n'en garde qu'un.
void fondreDoubles(Ecriture& s) {
    std::size_t ecrit = 1;
    for (std::size_t lu = 1; lu < s.size(); ++lu)
        if (s[lu] != s[ecrit - 1]) s[ecrit++] = s[lu];
    s.resize(ecrit);
}

// Étape 19 : 't' et 'x' muets en fin de mot.
void finalesMuettes(Ecriture& s) {
    std::size_t ecrit = 0;
    for (std::size_t lu = 0; lu < s.size(); ++lu) {
        bool finDeMot = lu + 1 == s.size() || s[lu + 1] == '-';
        if ((s[lu] == 't' || s[lu] == 'x') && finDeMot) continue;
        s[ecrit++] = s[lu];
    }
    s.resize(ecrit);
}

// Étape 20 : « es » de fin de mot suivi d'un autre mot ; « les » et « des » deviennent « ly », « dy ».
void esDeFinDeMot(Ecriture& s) {
    if (s.find("es-") == Ecriture::npos) return;
    std::size_t ecrit = 0;
    for (std::size_t lu = 0; lu < s.size();) {
        if (s[lu] == 'e' && a(s, lu + 1) == 's' && a(s, lu + 2) == '-') {
            bool article = ecrit >= 2 && (s[ecrit - 1] == 'l' || s[ecrit - 1] == 'd') && s[ecrit - 2] == '-';
            if (article) s[ecrit++] = 'y';
            lu += 2;
        } else {
            s[ecrit++] = s[lu++];
        }
    }
    s.resize(ecrit);
}

// Étape 22 : 'e' muet de fin de mot, quand le mot a au moins deux lettres avant lui.
void eMuet(Ecriture& s) {
    std::size_t ecrit = 0;
    std::size_t lettresDuMot = 0;
    for (std::size_t lu = 0; lu < s.size(); ++lu) {
        char c = s[lu];
        bool finDeMot = lu + 1 == s.size() || s[lu + 1] == '-';
        if (c == 'e' && finDeMot && lettresDuMot >= 2) continue;
        lettresDuMot = c == '-' ? 0 : lettresDuMot + 1;
        s[ecrit++] = c;
    }
    s.resize(ecrit);
}

// Étape 23 : le mot « nk » (Mc) suivi d'un autre mot devient « nok » (Mac).
void motMc(Ecriture& s) {
    if (s.find("-nk-") == Ecriture::npos) return;
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        bool mc = s[i] == 'n' && i > 0 && s[i - 1] == '-' && commencePar(s, i + 1, "k-") &&
                  std::string_view(s.begin() + i + 2, s.end()).find_first_not_of('-') != std::string_view::npos;
        r.push_back(s[i]);
        if (mc) r.push_back('o');
    }
    s.resize(0);
    for (char c : r) s.push_back(c);
}

}  // namespace

std::string ClePhonetique(std::string_view nom) {
    Ecriture s(nom.size());
    normaliser(nom, s);
    if (s.size() == 1) return {};
    for (char& c : s)
        if (c == 'y') c = 'i';
    oterH(s);
    gDur(s);
    nasalesAIn(s, true);
    remplacer(s, "eau", "o");
    remplacer(s, "oua", "2");
    nasalesAIn(s, false);
    sonsE(s);
    nasales(s);
    sEntreVoyelles(s);
    static constexpr std::string_view kDiphtongues[][2] = {{"oe", "e"}, {"eu", "e"}, {"au", "o"},  {"oi", "2"},
                                                           {"oy", "2"}, {"ou", "3"}, {"\xEF", "i"}};
    for (const auto& d : kDiphtongues) remplacer(s, d[0], d[1]);
    remplacer(s, "cc", "c");
    remplacer(s, "ch", "5");
    remplacer(s, "sh", "5");
    sDouble(s);
    lettreC(s);
    lettreQ(s);
    lettreG(s);
    lettresVoisines(s);
    fondreDoubles(s);
    finalesMuettes(s);
    esDeFinDeMot(s);
    // Le '-' de tête ne compte pas dans la longueur : « Des » et « Les » gardent leur « es ».
    if (s.size() - 1 > 3 && s.ends_with("es")) s.resize(s.size() - 2);
    eMuet(s);
    motMc(s);
    std::string cle;
    for (char c : s)
        if (c != '-') cle.push_back(c);
    return cle;
}

}  // namespace lignara
