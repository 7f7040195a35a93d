#include "dates/DateLecture.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "commun/PliageAccents.h"
#include "dates/DateCalendrier.h"
#include "dates/DateRepublicaine.h"

namespace lignara {

namespace {

// Plafond des nombres lus : refusé partout, et loin de tout débordement.
constexpr long kNombrePlafond = 1'000'000;

enum class Calendrier : std::uint8_t { Gregorien, Republicain, Refuse };

// Majuscule de comparaison. Des lettres accentuées, seules celles des noms de mois français
// (é, è, û, ô, capitales comprises) comptent pour la lettre nue : une autre lettre accentuée
// reste distincte (« ÀBT » n'est pas « ABT »).
constexpr std::array<unsigned char, 256> construirePliage() {
    std::array<unsigned char, 256> t{};
    for (std::size_t c = 0; c < t.size(); ++c) t[c] = static_cast<unsigned char>(c);
    for (char c = 'a'; c <= 'z'; ++c) t[static_cast<unsigned char>(c)] = static_cast<unsigned char>(lettreDeBase(c));
    for (char c : std::string_view("\xE9\xE8\xC9\xC8\xFB\xDB\xF4\xD4"))
        t[static_cast<unsigned char>(c)] = static_cast<unsigned char>(lettreDeBase(c));
    return t;
}

constexpr std::array<unsigned char, 256> kPliage = construirePliage();

unsigned char plier(unsigned char c) { return kPliage[c]; }

bool estLettre(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

bool estChiffre(unsigned char c) { return c >= '0' && c <= '9'; }

class Lecteur {
public:
    explicit Lecteur(std::string_view texte) : texte_(texte) {}

    bool fini() const { return pos_ >= texte_.size(); }
    std::size_t reste() const { return texte_.size() - pos_; }
    std::string_view suite() const { return texte_.substr(pos_); }
    // 0 au-delà de la fin : jamais une lettre, un chiffre ni un espace.
    unsigned char car(std::size_t k = 0) const {
        return k < reste() ? static_cast<unsigned char>(texte_[pos_ + k]) : 0;
    }
    void avancer(std::size_t n = 1) { pos_ += std::min(n, reste()); }

    void sauterEspaces() {
        while (car() == ' ' || car() == '\t') avancer();
    }
    void sauterChiffres() {
        while (estChiffre(car())) avancer();
    }
    void sauterLettres() {
        while (estLettre(car())) avancer();
    }
    bool commencePar(std::string_view mot) const {
        if (reste() < mot.size()) return false;
        for (std::size_t i = 0; i < mot.size(); ++i)
            if (plier(car(i)) != static_cast<unsigned char>(mot[i])) return false;
        return true;
    }
    // Mot-clé en majuscules, casse indifférente ; consommé quand il est là.
    bool motCle(std::string_view mot) {
        if (!commencePar(mot)) return false;
        avancer(mot.size());
        return true;
    }
    // Le mot suivi d'autre chose qu'une lettre (ou de la fin).
    bool motEntier(std::string_view mot) const { return commencePar(mot) && !estLettre(car(mot.size())); }
    long lireNombre() {
        long n = 0;
        for (; estChiffre(car()); avancer()) n = std::min(n * 10 + (car() - '0'), kNombrePlafond);
        return n;
    }

private:
    std::string_view texte_;
    std::size_t pos_ = 0;
};

bool contient(std::string_view nom, std::string_view mot) {
    for (std::size_t i = 0; i + mot.size() <= nom.size(); ++i)
        if (Lecteur(nom.substr(i)).commencePar(mot)) return true;
    return false;
}

Calendrier calendrierNomme(std::string_view nom) {
    if (contient(nom, "FRENCH")) return Calendrier::Republicain;
    if (contient(nom, "HEBREW") || contient(nom, "ROMAN") || contient(nom, "UNKNOWN")) return Calendrier::Refuse;
    return Calendrier::Gregorien;  // DGREGORIAN, DJULIAN : les dates sont gardées telles quelles
}

// « @#DFRENCH R@ » et autres : sauté jusqu'au '@' suivant compris, puis les espaces.
void lireEchappement(Lecteur& l, Calendrier& calendrier) {
    if (!l.commencePar("@#")) return;
    l.avancer(2);
    const std::string_view suite = l.suite();
    const std::size_t fin = std::min(suite.find('@'), suite.size());
    calendrier = calendrierNomme(suite.substr(0, fin));
    l.avancer(fin + 1);
    l.sauterEspaces();
}

// Ère après l'année, avec les espaces qui suivent : −1 pour « B.C. » (et BC, BCE que d'autres
// logiciels écrivent), +1 pour « AD » ou « A.D. », 0 sans mention.
int lireEre(Lecteur& l) {
    int ere = 0;
    if (l.motCle("B.C.") || (l.motEntier("BCE") && l.motCle("BCE")) || (l.motEntier("BC") && l.motCle("BC")))
        ere = -1;
    else if (l.motCle("A.D.") || (l.motEntier("AD") && l.motCle("AD")))
        ere = 1;
    if (ere != 0) l.sauterEspaces();
    return ere;
}

bool ereEnVue(const Lecteur& l) {
    return l.commencePar("B.C.") || l.motEntier("BC") || l.motEntier("BCE") || l.commencePar("A.D.") ||
           l.motEntier("AD");
}

constexpr std::array<std::string_view, 12> kMoisAnglais = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

constexpr std::array<std::string_view, 13> kMoisRepublicains = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
                                                                "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};

struct NomDeMois {
    std::string_view nom;
    int mois;
};

// Trié pour la recherche dichotomique.
constexpr std::array<NomDeMois, 28> kNomsDeMois = {{
    {"AOU", 8},      {"AOUT", 8},      {"APRIL", 4},     {"AUGUST", 8},    {"AVR", 4},       {"AVRIL", 4},
    {"DEC", 12},     {"DECEMBER", 12}, {"DECEMBRE", 12}, {"FEBRUARY", 2},  {"FEV", 2},       {"FEVRIER", 2},
    {"JANUARY", 1},  {"JANVIER", 1},   {"JUIL", 7},      {"JUILLET", 7},   {"JUIN", 6},      {"JULY", 7},
    {"JUNE", 6},     {"MAI", 5},       {"MARCH", 3},     {"MARS", 3},      {"NOVEMBER", 11}, {"NOVEMBRE", 11},
    {"OCTOBER", 10}, {"OCTOBRE", 10},  {"SEPTEMBER", 9}, {"SEPTEMBRE", 9},
}};
static_assert(std::is_sorted(kNomsDeMois.begin(), kNomsDeMois.end(),
                             [](const NomDeMois& a, const NomDeMois& b) { return a.nom < b.nom; }));

constexpr std::size_t kLongueurNomMaximum = 10;

// Une date simple telle qu'écrite, avant conversion et contrôle.
struct DateLue {
    long jour = 0;
    long mois = 0;
    long annee = 0;
    bool republicaine = false;
    bool anneeSeule = false;
};

int chercherNomDeMois(std::string_view mot) {
    if (mot.empty() || mot.size() > kLongueurNomMaximum) return 0;
    char plie[kLongueurNomMaximum];
    for (std::size_t i = 0; i < mot.size(); ++i) {
        const unsigned char c = plier(static_cast<unsigned char>(mot[i]));
        plie[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c) : '?';
    }
    const std::string_view cle(plie, mot.size());
    auto it = std::lower_bound(kNomsDeMois.begin(), kNomsDeMois.end(), cle,
                               [](const NomDeMois& e, std::string_view c) { return e.nom < c; });
    return it != kNomsDeMois.end() && it->nom == cle ? it->mois : 0;
}

void lireMoisNumerique(Lecteur& l, Calendrier calendrier, DateLue& d) {
    l.avancer();  // '/'
    while (l.car() == ' ' || l.car() == '0') l.avancer();
    d.mois = l.lireNombre();
    l.sauterEspaces();
    while (l.car() == '/') l.avancer();
    d.republicaine = calendrier == Calendrier::Republicain;
}

bool lireMoisAnglais(Lecteur& l, DateLue& d) {
    for (std::size_t i = 0; i < kMoisAnglais.size(); ++i) {
        if (l.motEntier(kMoisAnglais[i])) {
            d.mois = static_cast<long>(i) + 1;
            l.avancer(3);
            return true;
        }
    }
    return false;
}

bool lireNomDeMois(Lecteur& l, DateLue& d) {
    const std::string_view suite = l.suite();
    const std::size_t fin = std::min(suite.find_first_of(" ."), suite.size());
    const int mois = chercherNomDeMois(suite.substr(0, fin));
    if (mois == 0) return false;
    d.mois = mois;
    l.avancer(fin);
    return true;
}

// Les quatre premières lettres suffisent : « THERMIDOR » vaut THER.
bool lireMoisRepublicain(Lecteur& l, DateLue& d) {
    for (std::size_t i = 0; i < kMoisRepublicains.size(); ++i) {
        if (l.commencePar(kMoisRepublicains[i])) {
            d.mois = static_cast<long>(i) + 1;
            d.republicaine = true;
            l.avancer(4);
            l.sauterLettres();
            return true;
        }
    }
    return false;
}

bool lireMois(Lecteur& l, Calendrier calendrier, DateLue& d) {
    if (l.car() == '/') {
        lireMoisNumerique(l, calendrier, d);
        return true;
    }
    if (!lireMoisAnglais(l, d) && !lireNomDeMois(l, d) && !lireMoisRepublicain(l, d)) return false;
    if (l.car() == '.') l.avancer();  // « JUIL. 1850 »
    return true;
}

// Chiffres romains I, V, X : les I de droite valent 1, puis V +5, X +10 et tout autre I −1.
long lireRomain(Lecteur& l) {
    std::size_t n = 0;
    while (plier(l.car(n)) == 'I' || plier(l.car(n)) == 'V' || plier(l.car(n)) == 'X') ++n;
    long valeur = 0;
    std::size_t k = n;
    for (; k > 0 && plier(l.car(k - 1)) == 'I'; --k) ++valeur;
    for (; k > 0; --k) {
        const unsigned char c = plier(l.car(k - 1));
        valeur += c == 'V' ? 5 : c == 'X' ? 10 : -1;
        valeur = std::clamp(valeur, -kNombrePlafond, kNombrePlafond);
    }
    l.avancer(n);
    return valeur;
}

long lireAnRepublicain(Lecteur& l) {
    if (l.motCle("AN ")) l.sauterEspaces();
    return estChiffre(l.car()) ? l.lireNombre() : lireRomain(l);
}

// Après l'année : un '-', des chiffres (« 1850-1851 »), des espaces, puis « B.C. ».
void lireFinAnnee(Lecteur& l, DateLue& d) {
    if (l.car() == '-') l.avancer();
    l.sauterChiffres();
    l.sauterEspaces();
    if (lireEre(l) < 0) d.annee = -d.annee;
}

// « 1733/34 » (double datation de l'ancien style) : un nombre de plus de 31 ne peut pas être un
// jour, et il n'y a qu'une barre.
bool doubleDatation(const Lecteur& l, long n) {
    if (n <= 31 || l.car() != '/' || !estChiffre(l.car(1))) return false;
    std::size_t k = 1;
    while (estChiffre(l.car(k))) ++k;
    return l.car(k) != '/';
}

// Un nombre suivi de cela est une année seule.
bool finDAnneeSeule(const Lecteur& l, long n) {
    return l.fini() || l.motEntier("AND") || l.motEntier("ET") || ereEnVue(l) || l.car() == '(' || doubleDatation(l, n);
}

bool lireDateSimple(Lecteur& l, Calendrier calendrier, DateLue& d) {
    l.sauterEspaces();
    lireEchappement(l, calendrier);
    if (calendrier == Calendrier::Refuse) return false;
    const long n = l.lireNombre();
    if (l.car() == '-') l.avancer();
    l.sauterChiffres();
    l.sauterEspaces();
    if (n != 0 && finDAnneeSeule(l, n)) {
        d.annee = n;
        d.anneeSeule = true;
        d.republicaine = calendrier == Calendrier::Republicain;
        if (lireEre(l) < 0) d.annee = -n;
        return true;
    }
    if (l.reste() < 2) return false;
    d.jour = n;
    if (!lireMois(l, calendrier, d)) return false;
    l.sauterEspaces();
    d.annee = d.republicaine ? lireAnRepublicain(l) : l.lireNombre();
    lireFinAnnee(l, d);
    return true;
}

// Une date simple devenue grégorienne. Une année républicaine seule chevauche deux années
// grégoriennes : premiere et derniere diffèrent alors.
struct DateConvertie {
    int jour = 0;
    int mois = 0;
    int premiere = 0;
    int derniere = 0;
};

bool convertirRepublicaine(const DateLue& d, DateConvertie& c) {
    // L'an 0 (ou une année absente) n'existe pas dans ce calendrier.
    if (d.annee < 1 || d.annee > kAnRepublicainMaximum) return false;
    const int an = static_cast<int>(d.annee);
    if (d.anneeSeule) {
        c = {0, 0, an + 1791, an + 1792};
        return true;
    }
    const auto g = convertirDateRepublicaine(static_cast<int>(d.jour), static_cast<int>(d.mois), an);
    if (!g) return false;
    c = {g->jour, g->mois, g->annee, g->annee};
    return true;
}

bool convertir(const DateLue& d, DateConvertie& c) {
    if (d.republicaine) return convertirRepublicaine(d, c);
    if (d.annee < -kAnneeMaximum || d.annee > kAnneeMaximum || d.mois > 12) return false;
    const int annee = static_cast<int>(d.annee);
    const int mois = static_cast<int>(d.mois);
    // Sans année, le 29 février reste possible.
    const int jours = (annee == 0 && mois == 2) ? 29 : joursDansMois(mois, annee);
    if (mois == 0 ? d.jour != 0 : d.jour > jours) return false;
    c = {static_cast<int>(d.jour), mois, annee, annee};
    return true;
}

DateGed dateQualifiee(std::uint8_t qualificatif, const DateConvertie& c) {
    DateGed g;
    g.qualificatif = qualificatif;
    if (c.premiere == c.derniere) {
        g.jour = static_cast<std::uint8_t>(c.jour);
        g.mois = static_cast<std::uint8_t>(c.mois);
        g.annee = static_cast<std::int16_t>(c.premiere);
    } else if (qualificatif == DateSimple) {
        g.qualificatif = DateEntre;
        g.fixerPremiereAnnee(static_cast<std::int16_t>(c.premiere));
        g.annee = static_cast<std::int16_t>(c.derniere);
    } else {
        g.annee = static_cast<std::int16_t>(qualificatif == DateApres ? c.premiere : c.derniere);
    }
    return g.absente() ? DateGed{} : g;
}

bool lireQualifiee(Lecteur& l, Calendrier calendrier, std::uint8_t qualificatif, DateGed& date) {
    DateLue d;
    DateConvertie c;
    if (!lireDateSimple(l, calendrier, d) || !convertir(d, c)) return false;
    date = dateQualifiee(qualificatif, c);
    return true;
}

DateGed dateEntre(int premiere, int derniere) {
    if (premiere > derniere) std::swap(premiere, derniere);
    DateGed date;
    date.qualificatif = DateEntre;
    date.fixerPremiereAnnee(static_cast<std::int16_t>(premiere));
    date.annee = static_cast<std::int16_t>(derniere);
    return date;
}

// BET … AND … / ENTRE … ET … : deux années non nulles, gardées dans l'ordre croissant.
bool lireEntre(Lecteur& l, Calendrier calendrier, std::string_view connecteur, DateGed& date) {
    DateLue d1, d2;
    DateConvertie c1, c2;
    if (!lireDateSimple(l, calendrier, d1) || !convertir(d1, c1) || c1.premiere == 0) return false;
    l.sauterEspaces();
    if (!l.motCle(connecteur)) return false;
    if (!lireDateSimple(l, calendrier, d2) || !convertir(d2, c2) || c2.derniere == 0) return false;
    date = dateEntre(c1.premiere, c2.derniere);
    return true;
}

// Mot de qualificatif, suivi ou non d'un point (« ABT. 1850 »).
bool qualificatif(Lecteur& l, std::string_view mot) {
    if (!l.motCle(mot)) return false;
    if (l.car() == '.') l.avancer();
    return true;
}

bool lireDateComplete(Lecteur& l, bool estimeesPermises, DateGed& date) {
    Calendrier calendrier = Calendrier::Gregorien;
    for (;;) {
        l.sauterEspaces();
        lireEchappement(l, calendrier);
        if (l.motCle("CAL") || l.motCle("INT")) l.sauterEspaces();
        if (!l.motCle("EST")) break;
        if (!estimeesPermises) {
            date = DateGed{};
            return true;
        }
        estimeesPermises = false;
    }
    if (calendrier == Calendrier::Refuse) return false;
    if (qualificatif(l, "BEF") || qualificatif(l, "AVANT")) return lireQualifiee(l, calendrier, DateAvant, date);
    if (qualificatif(l, "AFT") || qualificatif(l, "APRES")) return lireQualifiee(l, calendrier, DateApres, date);
    if (qualificatif(l, "ABT") || qualificatif(l, "VERS") || qualificatif(l, "CIRCA"))
        return lireQualifiee(l, calendrier, DateVers, date);
    if (qualificatif(l, "BET")) return lireEntre(l, calendrier, "AND", date);
    if (qualificatif(l, "ENTRE")) return lireEntre(l, calendrier, "ET", date);
    return lireQualifiee(l, calendrier, DateSimple, date);
}

// Position de « TO » entouré d'espaces, casse indifférente.
std::size_t chercherTo(std::string_view texte) {
    for (std::size_t i = 0; i + 4 <= texte.size(); ++i)
        if (Lecteur(texte.substr(i)).commencePar(" TO ")) return i;
    return std::string_view::npos;
}

// Nombre de 1 à max chiffres depuis i ; faux sans chiffre ou avec plus de max chiffres.
bool nombreCourt(std::string_view t, std::size_t& i, std::size_t max, long& n) {
    const std::size_t debut = i;
    n = 0;
    for (; i < t.size() && estChiffre(static_cast<unsigned char>(t[i])); ++i) {
        if (i - debut == max) return false;
        n = n * 10 + (t[i] - '0');
    }
    return i > debut;
}

// Mois en majuscules sans accent depuis i, suivi d'un espace (anglais de trois lettres, ou nom
// français complet ou court de la table) : son numéro et la longueur du mot, 0 sinon.
std::pair<int, std::size_t> moisExact(std::string_view t, std::size_t i) {
    std::size_t n = 0;
    while (i + n < t.size() && t[i + n] >= 'A' && t[i + n] <= 'Z') ++n;
    if (n < 3 || i + n >= t.size() || t[i + n] != ' ') return {0, 0};
    const std::string_view mot = t.substr(i, n);
    // Même ordre que le chemin général : les mois anglais d'abord.
    if (n == 3)
        for (std::size_t k = 0; k < kMoisAnglais.size(); ++k)
            if (mot == kMoisAnglais[k]) return {static_cast<int>(k) + 1, n};
    const int mois = chercherNomDeMois(mot);
    return {mois, mois ? n : 0};
}

enum class Raccourci : std::uint8_t { NonReconnu, Lue, Refusee };

struct QualificatifCourant {
    std::string_view mot;  // suivi d'un espace
    std::uint8_t qualificatif;
};
constexpr std::array<QualificatifCourant, 8> kQualificatifsCourants = {{
    {"ABT", DateVers},
    {"VERS", DateVers},
    {"BEF", DateAvant},
    {"AVANT", DateAvant},
    {"AFT", DateApres},
    {"APRES", DateApres},
    {"BET", DateEntre},
    {"ENTRE", DateEntre},
}};

// « BET a AND b » ou « ENTRE a ET b », deux années seules non nulles.
Raccourci lireEntreCourant(std::string_view t, std::string_view connecteur, DateGed& date) {
    std::size_t i = 0;
    long a = 0, b = 0;
    if (!nombreCourt(t, i, 4, a) || a == 0 || i >= t.size() || t[i] != ' ') return Raccourci::NonReconnu;
    ++i;
    if (t.substr(i, connecteur.size()) != connecteur || i + connecteur.size() >= t.size() ||
        t[i + connecteur.size()] != ' ')
        return Raccourci::NonReconnu;
    i += connecteur.size() + 1;
    if (!nombreCourt(t, i, 4, b) || b == 0 || i != t.size()) return Raccourci::NonReconnu;
    date = dateEntre(static_cast<int>(a), static_cast<int>(b));
    return Raccourci::Lue;
}

// Les formes de loin les plus courantes, lues sans le chemin général (qui essaie chaque
// mot-clé lettre à lettre) : un qualificatif (ABT, VERS, BEF, AVANT, AFT, APRES) puis AAAA,
// MOIS AAAA, J MOIS AAAA ou JJ/MM/AAAA, ou bien BET AAAA AND AAAA, ENTRE AAAA ET AAAA, jusqu'à la
// fin du texte, en majuscules sans accent, un seul espace, jour et mois d'un ou deux chiffres,
// année d'un à quatre, MOIS anglais ou français de la table des noms. Le chemin général
// donnerait la même DateLue : les mêmes contrôles (convertir) décident. Toute autre forme
// revient au chemin général.
Raccourci lireDateCourante(std::string_view t, DateGed& date) {
    std::uint8_t qualificatif = DateSimple;
    for (const QualificatifCourant& q : kQualificatifsCourants) {
        if (t.size() > q.mot.size() + 1 && t[q.mot.size()] == ' ' && t.substr(0, q.mot.size()) == q.mot) {
            qualificatif = q.qualificatif;
            t.remove_prefix(q.mot.size() + 1);
            if (qualificatif == DateEntre) return lireEntreCourant(t, q.mot == "BET" ? "AND" : "ET", date);
            break;
        }
    }
    if (t.empty()) return Raccourci::NonReconnu;
    DateLue d;
    std::size_t i = 0;
    auto anneeFinale = [&](std::size_t debut) {
        i = debut;
        return nombreCourt(t, i, 4, d.annee) && i == t.size();
    };
    if (estChiffre(static_cast<unsigned char>(t[0]))) {
        long n = 0;
        if (!nombreCourt(t, i, 4, n)) return Raccourci::NonReconnu;
        if (i == t.size()) {
            if (n == 0) return Raccourci::NonReconnu;
            d.annee = n;
            d.anneeSeule = true;
        } else if (i <= 2 && t[i] == ' ') {
            d.jour = n;
            const auto [mois, longueur] = moisExact(t, i + 1);
            d.mois = mois;
            if (d.mois == 0 || !anneeFinale(i + 2 + longueur)) return Raccourci::NonReconnu;
        } else if (i <= 2 && t[i] == '/') {
            d.jour = n;
            ++i;
            if (!nombreCourt(t, i, 2, d.mois) || i >= t.size() || t[i] != '/' || !anneeFinale(i + 1))
                return Raccourci::NonReconnu;
        } else {
            return Raccourci::NonReconnu;
        }
    } else {
        const auto [mois, longueur] = moisExact(t, 0);
        d.mois = mois;
        if (d.mois == 0 || !anneeFinale(longueur + 1)) return Raccourci::NonReconnu;
    }
    DateConvertie c;
    if (!convertir(d, c)) return Raccourci::Refusee;
    date = dateQualifiee(qualificatif, c);
    return Raccourci::Lue;
}

bool lireDate(std::string_view texte, bool estimeesPermises, DateGed& date, bool raccourci) {
    Lecteur l(texte);
    date = DateGed{};
    l.sauterEspaces();
    if (l.fini()) return true;  // une valeur vide n'est pas une faute
    if (raccourci) {
        const Raccourci r = lireDateCourante(l.suite(), date);
        if (r == Raccourci::Lue) return true;
        if (r == Raccourci::Refusee) return false;
    }
    if (lireDateComplete(l, estimeesPermises, date)) return true;
    date = DateGed{};
    return false;
}

}  // namespace

bool LireDate(std::string_view texte, bool estimeesPermises, DateGed& date) {
    return lireDate(texte, estimeesPermises, date, true);
}

bool LireDateGenerale(std::string_view texte, bool estimeesPermises, DateGed& date) {
    return lireDate(texte, estimeesPermises, date, false);
}

bool LirePeriode(std::string_view texte, DateGed& debut, DateGed& fin) {
    debut = fin = DateGed{};
    Lecteur l(texte);
    l.sauterEspaces();
    bool lue = false;
    if (l.motCle("FROM ")) {
        const std::string_view suite = l.suite();
        const std::size_t to = chercherTo(suite);
        lue = LireDate(suite.substr(0, to), true, debut);
        if (lue && to != std::string_view::npos) lue = LireDate(suite.substr(to + 4), true, fin);
    } else if (l.motCle("TO ")) {
        lue = LireDate(l.suite(), true, fin);
    } else {
        lue = LireDate(texte, true, debut);
    }
    if (!lue) debut = fin = DateGed{};
    return lue;
}

}  // namespace lignara
