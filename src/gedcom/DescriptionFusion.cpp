// Description de fusion (« .fged ») : un fichier texte UTF-8, une instruction par ligne.
//
//   # Fusion des Dupont et des cousins Martin
//   principal  dupont.ged
//   secondaire martin.ged
//   branche    @I12@ ascendants descendants
//   branche    @I40@ descendants
//   secondaire ../autres/roy.ged
//
//   INSTRUCTION              SENS
//   principal CHEMIN         le fichier principal ; une fois, avant tout fichier secondaire
//   secondaire CHEMIN        un fichier secondaire (254 au plus), dans l'ordre des indices 1, 2…
//   branche @REF@ [ascendants] [descendants]
//                            une personne du dernier fichier secondaire nommé, avec ses
//                            ascendants et/ou ses descendants (et leurs conjoints) ; seule,
//                            la personne
//
// Les lignes vides et celles qui commencent par '#' sont ignorées ; les mots-clés se lisent sans
// égard à la casse ; un CHEMIN est le reste de la ligne, espaces de tête et de queue ôtés ; un
// chemin relatif l'est au dossier de la description. Un fichier secondaire sans branche est
// fusionné en entier. Les fins de ligne LF et CR LF, et une marque d'ordre d'octets, sont admises.
// Toute autre ligne arrête la lecture avec son numéro et la faute.
#include "gedcom/DescriptionFusion.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>

#include "commun/CauseErreur.h"
#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kTailleMax = 1 << 20;  // une description tient en quelques lignes

std::string_view sansBlancs(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Premier mot (jusqu'à un blanc), en minuscules ; le reste sans ses blancs de tête.
std::string_view motSuivant(std::string_view& s) {
    s = sansBlancs(s);
    std::size_t fin = std::min(s.find(' '), s.find('\t'));
    std::string_view mot = s.substr(0, fin);
    s = sansBlancs(fin == std::string_view::npos ? std::string_view() : s.substr(fin));
    return mot;
}

std::string minuscules(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

class Analyse {
public:
    Analyse(const fs::path& dossier, const std::string& nom) : dossier_(dossier), nom_(nom) {}

    void ligne(std::string_view texte, long numero);
    DescriptionFusion terminer(long derniere);

private:
    [[noreturn]] void faute(long numero, const char* faute1252) const;
    fs::path chemin(std::string_view texte, long numero) const;
    void branche(std::string_view reste, long numero);

    fs::path dossier_;
    std::string nom_;
    DescriptionFusion d_;
    bool principalVu_ = false;
};

void Analyse::faute(long numero, const char* faute1252) const {
    char entete[64];
    std::snprintf(entete, sizeof entete, "), ligne %ld :\n", numero);
    throw OperationImpossible("Description de fusion incorrecte ("_1252 + depuisUtf8(nom_) + entete + faute1252);
}

fs::path Analyse::chemin(std::string_view texte, long numero) const {
    if (texte.empty()) faute(numero, "chemin de fichier manquant"_1252);
    fs::path p(std::u8string(texte.begin(), texte.end()));
    return p.is_absolute() ? p : dossier_ / p;
}

void Analyse::branche(std::string_view reste, long numero) {
    if (d_.secondaires.empty()) faute(numero, "une branche doit suivre le fichier secondaire qu'elle concerne"_1252);
    BrancheFusion b;
    b.ligne = numero;
    b.reference = std::string(motSuivant(reste));
    if (b.reference.size() < 3 || b.reference.front() != '@' || b.reference.back() != '@' ||
        b.reference.find('@', 1) != b.reference.size() - 1)
        faute(numero, "référence de personne attendue, de la forme @I12@"_1252);
    while (!reste.empty()) {
        std::string mot = minuscules(motSuivant(reste));
        if (mot == "ascendants")
            b.ascendants = true;
        else if (mot == "descendants")
            b.descendants = true;
        else
            faute(numero, "seuls « ascendants » et « descendants » peuvent suivre la référence"_1252);
    }
    d_.secondaires.back().branches.push_back(std::move(b));
}

void Analyse::ligne(std::string_view texte, long numero) {
    texte = sansBlancs(texte);
    if (texte.empty() || texte.front() == '#') return;
    std::string_view reste = texte;
    std::string mot = minuscules(motSuivant(reste));
    if (mot == "principal") {
        if (principalVu_) faute(numero, "un seul fichier principal"_1252);
        if (!d_.secondaires.empty()) faute(numero, "le fichier principal doit précéder les fichiers secondaires"_1252);
        d_.principal = chemin(reste, numero);
        principalVu_ = true;
    } else if (mot == "secondaire") {
        if (!principalVu_) faute(numero, "le fichier principal doit précéder les fichiers secondaires"_1252);
        if (d_.secondaires.size() >= DescriptionFusion::kSecondairesMax)
            faute(numero, "trop de fichiers secondaires (254 au plus)"_1252);
        d_.secondaires.push_back({chemin(reste, numero), {}});
    } else if (mot == "branche") {
        branche(reste, numero);
    } else {
        faute(numero, "instruction inconnue (principal, secondaire ou branche attendu)"_1252);
    }
}

DescriptionFusion Analyse::terminer(long derniere) {
    if (!principalVu_) faute(derniere, "aucun fichier principal"_1252);
    if (d_.secondaires.empty()) faute(derniere, "aucun fichier secondaire"_1252);
    d_.nom = nom_;
    return std::move(d_);
}

}  // namespace

bool estDescriptionFusion(const fs::path& chemin) {
    std::string e = chemin.extension().string();
    return e.size() > 1 && (e[1] == 'f' || e[1] == 'F');
}

DescriptionFusion DescriptionFusion::analyser(const std::string& texte, const fs::path& dossier,
                                              const std::string& nomDescription) {
    std::string_view t = texte;
    if (t.substr(0, 3) == "\xEF\xBB\xBF") t.remove_prefix(3);
    Analyse a(dossier, nomDescription);
    long numero = 0;
    while (!t.empty()) {
        std::size_t fin = t.find('\n');
        if (t.substr(0, fin).find('\0') != std::string_view::npos)
            a.ligne("?", numero + 1);  // un fichier binaire n'est pas une description
        a.ligne(t.substr(0, fin), ++numero);
        t.remove_prefix(fin == std::string_view::npos ? t.size() : fin + 1);
    }
    return a.terminer(std::max(numero, 1L));
}

DescriptionFusion DescriptionFusion::lire(const fs::path& chemin) {
    std::string nom = chemin.string();
    int erreur = 0;
    // Sans attendre : un tube ou un périphérique nommé .fged est refusé, pas lu sans fin.
    std::optional<std::string> contenu = lireFichierEntier(chemin, kTailleMax, &erreur);
    if (!contenu && erreur == ENOENT) throw OperationImpossible("Fichier "_1252 + depuisUtf8(nom) + " inexistant"_1252);
    if (!contenu)
        throw OperationImpossible("Lecture impossible du fichier de fusion\n"_1252 + depuisUtf8(nom) + "\n" +
                                  causeErreurMajuscule(erreur));
    return analyser(*contenu, chemin.parent_path(), chemin.filename().string());
}

std::string DescriptionFusion::texte() const {
    auto utf8 = [](const fs::path& p) {
        std::u8string u = p.u8string();
        return std::string(u.begin(), u.end());
    };
    std::string t = "principal " + utf8(principal) + "\n";
    for (const FichierSecondaire& s : secondaires) {
        t += "secondaire " + utf8(s.chemin) + "\n";
        for (const BrancheFusion& b : s.branches)
            t += "branche " + b.reference + (b.ascendants ? " ascendants" : "") +
                 (b.descendants ? " descendants" : "") + "\n";
    }
    return t;
}

std::vector<fs::path> DescriptionFusion::chemins() const {
    std::vector<fs::path> c{principal};
    for (const FichierSecondaire& s : secondaires) c.push_back(s.chemin);
    return c;
}

}  // namespace lignara
