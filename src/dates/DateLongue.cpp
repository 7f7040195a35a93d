#include "dates/DateLongue.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "dates/DateLecture.h"

namespace lignara {

namespace {

constexpr std::array<const char*, 12> kMois = {"janvier",
                                               "f\xE9vrier",
                                               "mars",
                                               "avril",
                                               "mai",
                                               "juin",
                                               "juillet",
                                               "ao\xFBt",
                                               "septembre",
                                               "octobre",
                                               "novembre",
                                               "d\xE9"
                                               "cembre"};

constexpr std::array<const char*, 13> kAbregesRepublicains = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
                                                              "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};
constexpr std::array<const char*, 12> kMoisRepublicains = {"vend\xE9miaire",
                                                           "brumaire",
                                                           "frimaire",
                                                           "niv\xF4se",
                                                           "pluvi\xF4se",
                                                           "vent\xF4se",
                                                           "germinal",
                                                           "flor\xE9"
                                                           "al",
                                                           "prairial",
                                                           "messidor",
                                                           "thermidor",
                                                           "fructidor"};

std::string annee(int a) { return a < 0 ? std::to_string(-a) + " av. J.-C." : std::to_string(a); }

std::string jourMoisAnnee(const DateGed& d) {
    std::string t;
    if (d.jour >= 1 && d.jour <= 31 && d.mois >= 1 && d.mois <= 12)
        t = d.jour == 1 ? "1er " : std::to_string(d.jour) + " ";
    if (d.mois >= 1 && d.mois <= 12) t += std::string(kMois[d.mois - 1]) + " ";
    return t + annee(d.annee);
}

std::string majuscules(std::string_view t) {
    std::string r(t);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return r;
}

std::vector<std::string> mots(std::string_view t) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < t.size()) {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
        const std::size_t debut = i;
        while (i < t.size() && t[i] != ' ' && t[i] != '\t') ++i;
        if (i > debut) r.emplace_back(t.substr(debut, i - debut));
    }
    return r;
}

int romainVersEntier(std::string_view r) {
    int total = 0, precedent = 0;
    for (auto it = r.rbegin(); it != r.rend(); ++it) {
        int v = *it == 'I' ? 1 : *it == 'V' ? 5 : *it == 'X' ? 10 : *it == 'L' ? 50 : -1;
        if (v < 0) return 0;
        total += v < precedent ? -v : v;
        precedent = std::max(precedent, v);
    }
    return total;
}

std::string entierVersRomain(int n) {
    static constexpr std::array<std::pair<int, const char*>, 7> kValeurs = {
        {{50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}}};
    std::string r;
    for (const auto& [v, s] : kValeurs)
        while (n >= v) {
            r += s;
            n -= v;
        }
    return r;
}

bool nombre(const std::string& m) { return !m.empty() && m.find_first_not_of("0123456789") == std::string::npos; }

// Forme républicaine d'une date « @#DFRENCH R@ [qualificatif] [jour] [mois] [AN] année » ;
// vide quand elle ne se lit pas (la forme grégorienne suffit alors).
std::string republicaine(std::string_view texte) {
    const std::string haut = majuscules(texte);
    const std::size_t echappement = haut.find("@#DFRENCH R@");
    if (echappement == std::string::npos) return {};
    std::vector<std::string> m = mots(std::string_view(haut).substr(echappement + 12));
    std::size_t i = 0;
    std::string qualificatif;
    // Le qualificatif s'écrit avant ou après l'échappement de calendrier.
    const std::vector<std::string> avant = mots(std::string_view(haut).substr(0, echappement));
    if (!avant.empty()) m.insert(m.begin(), avant.front());
    if (i < m.size()) {
        const std::string& q = m[i];
        if (q == "ABT" || q == "VERS" || q == "CIRCA" || q == "EST" || q == "CAL")
            qualificatif = "vers ";
        else if (q == "BEF" || q == "AVANT")
            qualificatif = "avant ";
        else if (q == "AFT" || q == "APRES")
            qualificatif = "apr\xE8s ";
        if (!qualificatif.empty() || q == "INT") ++i;
    }
    int jour = 0;
    if (i + 1 < m.size() && nombre(m[i]) && m[i].size() <= 2) jour = std::atoi(m[i++].c_str());
    int mois = 0;
    for (std::size_t k = 0; i < m.size() && k < kAbregesRepublicains.size(); ++k)
        if (m[i].compare(0, 4, kAbregesRepublicains[k]) == 0) {
            mois = static_cast<int>(k) + 1;
            ++i;
            break;
        }
    if (i < m.size() && m[i] == "AN") ++i;
    if (i >= m.size()) return {};
    if (m[i].size() > 8) return {};
    const int an = nombre(m[i]) ? std::atoi(m[i].c_str()) : romainVersEntier(m[i]);
    if (an < 1 || an > 50 || (jour && !mois)) return {};
    std::string t = qualificatif;
    if (mois == 13) {
        t += jour ? (jour == 1 ? "1er" : std::to_string(jour) + "e") + std::string(" jour compl\xE9mentaire ")
                  : std::string("jours compl\xE9mentaires ");
    } else {
        if (jour) t += (jour == 1 ? std::string("1er") : std::to_string(jour)) + " ";
        if (mois) t += std::string(kMoisRepublicains[mois - 1]) + " ";
    }
    return t + "an " + entierVersRomain(an);
}

std::string uneDate(std::string_view texte) {
    DateGed d;
    if (!LireDate(texte, true, d) || d.absente()) return std::string(texte);
    const std::string longue = texteDateLongue(d);
    const std::string rep = republicaine(texte);
    return rep.empty() ? longue : rep + " (" + longue + ")";
}

std::string_view rogner(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    return t;
}

}  // namespace

std::string texteDateLongue(const DateGed& d) {
    if (d.absente()) return {};
    const bool jour = d.qualificatif != DateEntre && d.jour >= 1 && d.jour <= 31 && d.mois >= 1 && d.mois <= 12;
    switch (d.qualificatif) {
        case DateAvant: return std::string("avant ") + (jour ? "le " : "") + jourMoisAnnee(d);
        case DateApres: return std::string("apr\xE8s ") + (jour ? "le " : "") + jourMoisAnnee(d);
        case DateVers: return std::string("vers ") + (jour ? "le " : "") + jourMoisAnnee(d);
        case DateEntre: return "entre " + annee(d.premiereAnnee()) + " et " + annee(d.annee);
        default: return jourMoisAnnee(d);
    }
}

std::string texteDateGedcomLongue(std::string_view texte) {
    texte = rogner(texte);
    const std::string haut = majuscules(texte);
    if (haut.starts_with("FROM ")) {
        const std::size_t to = haut.find(" TO ", 5);
        const std::string debut =
            uneDate(rogner(texte.substr(5, to == std::string::npos ? std::string::npos : to - 5)));
        if (to == std::string::npos) return "depuis " + debut;
        return "du " + debut + " au " + uneDate(rogner(texte.substr(to + 4)));
    }
    if (haut.starts_with("TO ")) return "jusqu'au " + uneDate(rogner(texte.substr(3)));
    return uneDate(texte);
}

}  // namespace lignara
