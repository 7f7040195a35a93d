// Générateur des tables de lieux compilées dans le noyau, à partir des fichiers lisibles de
// data/Lieux/ (leur format est décrit en tête de chacun) :
//   pays.txt               code de deux lettres ; noms…
//   regions.txt            un nom de région française par ligne
//   sigles.txt             sigle de trois majuscules, code de deux lettres (un code de pays.txt)
//   subdivisions-XX.txt    code 33 à 255 ; noms…   (XX : le code du pays)
//   coloration-XX-NOM.txt  région : noms de subdivisions de subdivisions-XX.txt…  (arbres
//                          chromatiques ; chaque subdivision du pays dans une seule région)
// Usage : outil_generer_tables_lieux SORTIE.cpp FICHIER.txt…
//
// Les clés sont tirées par LieuCle, la fonction même de la recherche : une table ne peut pas
// contenir une clé qu'un lieu ne donnerait jamais. Les tableaux écrits sont triés sur la clé.
// Un fichier mal formé arrête la construction : « fichier:ligne: message » et code de sortie 1,
// sans rien écrire.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "commun/Texte.h"
#include "gedcom/LieuCle.h"

namespace fs = std::filesystem;
using namespace lignara;

namespace {

struct ErreurDonnees : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Ligne {
    std::string cle;   // Windows-1252
    std::string code;  // deux lettres, ou le nombre écrit
};

struct Source {
    std::string fichier;
    int numero = 0;
    [[noreturn]] void refuser(const std::string& message) const {
        throw ErreurDonnees(fichier + ":" + std::to_string(numero) + ": " + message);
    }
};

struct Tables {
    std::vector<Ligne> pays, regions, sigles;
    // Premier nom de chaque ligne (Windows-1252), pour les légendes : code, nom.
    std::vector<Ligne> nomsPays;
    std::map<std::string, std::vector<Ligne>> nomsSubdivisions;
    std::map<std::string, std::vector<Ligne>> subdivisions;  // par code de pays, dans l'ordre
    std::map<std::string, std::string> fichiersSubdivisions;
    std::vector<std::pair<Source, std::string>> codesDesSigles;
    // Tables de régions des arbres chromatiques, résolues quand toutes les subdivisions sont lues.
    struct Coloration {
        std::string pays, nom, fichier;
        std::vector<std::pair<Source, std::string>> lignes;
        std::vector<std::string> regions;                // Windows-1252, dans l'ordre des cases
        std::vector<std::pair<int, std::size_t>> cases;  // code de subdivision, case
    };
    std::vector<Coloration> colorations;
};

std::string rogner(std::string_view s) {
    const auto debut = s.find_first_not_of(" \t");
    if (debut == std::string_view::npos) return {};
    const auto fin = s.find_last_not_of(" \t");
    return std::string(s.substr(debut, fin - debut + 1));
}

std::vector<std::string> couper(const std::string& s, char separateur) {
    std::vector<std::string> morceaux;
    std::stringstream flux(s);
    for (std::string m; std::getline(flux, m, separateur);) morceaux.push_back(rogner(m));
    if (!s.empty() && s.back() == separateur) morceaux.emplace_back();
    return morceaux;
}

// UTF-8 strict vers Windows-1252 : les données ne doivent rien perdre en silence.
std::string en1252(const Source& src, std::string_view utf8) {
    std::string sortie;
    while (!utf8.empty()) {
        char32_t c = 0;
        const std::size_t lus = decoderUtf8(utf8, c);
        if (lus == 0) src.refuser("UTF-8 mal formé");
        const int octet = octet1252DeUnicode(c);
        if (octet < 0) src.refuser("caractère « " + std::string(utf8.substr(0, lus)) + " » absent de Windows-1252");
        sortie.push_back(static_cast<char>(octet));
        utf8.remove_prefix(lus);
    }
    return sortie;
}

std::string cleDuNom(const Source& src, const std::string& nom) {
    if (nom.empty()) src.refuser("nom vide");
    std::string cle(LieuCle(en1252(src, nom)).vue());
    if (cle.empty()) src.refuser("le nom « " + nom + " » ne donne aucune lettre de clé");
    return cle;
}

bool lettres(std::string_view s, std::size_t n, bool minusculesPermises) {
    if (s.size() != n) return false;
    return std::all_of(s.begin(), s.end(),
                       [=](char c) { return (c >= 'A' && c <= 'Z') || (minusculesPermises && c >= 'a' && c <= 'z'); });
}

// Sépare « code  reste » au premier blanc.
std::pair<std::string, std::string> codeEtReste(const Source& src, const std::string& texte) {
    const auto blanc = texte.find_first_of(" \t");
    if (blanc == std::string::npos) src.refuser("il manque le nom après le code « " + texte + " »");
    return {texte.substr(0, blanc), rogner(std::string_view(texte).substr(blanc))};
}

int codeSubdivision(const Source& src, const std::string& texte) {
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    if (texte.empty() || texte.size() > 3 || !std::all_of(texte.begin(), texte.end(), chiffre))
        src.refuser("code de subdivision « " + texte + " » : un nombre de 33 à 255 est attendu");
    const int code = std::stoi(texte);
    if (code < 33 || code > 255) src.refuser("code de subdivision " + texte + " hors de 33 à 255");
    return code;
}

// Contrôle d'unicité commun aux clés et aux codes d'un fichier.
class Unicite {
public:
    explicit Unicite(std::string quoi) : quoi_(std::move(quoi)) {}
    void noter(const Source& src, const std::string& valeur, const std::string& montree) {
        const auto [it, nouveau] = vues_.emplace(valeur, src.numero);
        if (!nouveau) src.refuser(quoi_ + " " + montree + " est déjà ligne " + std::to_string(it->second));
    }

private:
    std::string quoi_;
    std::map<std::string, int> vues_;
};

void ajouterNoms(const Source& src, const std::string& noms, const std::string& code, Unicite& cles,
                 std::vector<Ligne>& table) {
    for (const auto& nom : couper(noms, ';')) {
        const auto cle = cleDuNom(src, nom);
        cles.noter(src, cle, versUtf8(cle) + " (de « " + nom + " »)");
        table.push_back({cle, code});
    }
}

// Appelle traiter(source, texte) pour chaque ligne non vide, commentaire retiré.
template <typename Traitement>
void lireLignes(const fs::path& chemin, Traitement traiter) {
    std::ifstream flux(chemin, std::ios::binary);
    Source src{chemin.string()};
    if (!flux) src.refuser("fichier illisible");
    for (std::string brute; std::getline(flux, brute);) {
        ++src.numero;
        if (src.numero == 1 && brute.starts_with("\xEF\xBB\xBF")) brute.erase(0, 3);
        if (brute.ends_with('\r')) brute.pop_back();
        const auto texte = rogner(std::string_view(brute).substr(0, brute.find('#')));
        if (!texte.empty()) traiter(src, texte);
    }
}

void lirePays(const fs::path& chemin, Tables& t) {
    Unicite cles("la clé"), codes("le code");
    lireLignes(chemin, [&](const Source& src, const std::string& texte) {
        const auto [code, noms] = codeEtReste(src, texte);
        if (!lettres(code, 2, true)) src.refuser("code de pays « " + code + " » : deux lettres attendues");
        codes.noter(src, code, code);
        ajouterNoms(src, noms, code, cles, t.pays);
        t.nomsPays.push_back({en1252(src, couper(noms, ';').front()), code});
    });
}

void lireRegions(const fs::path& chemin, Tables& t) {
    Unicite cles("la clé");
    lireLignes(chemin, [&](const Source& src, const std::string& nom) { ajouterNoms(src, nom, "", cles, t.regions); });
}

void lireSigles(const fs::path& chemin, Tables& t) {
    Unicite cles("le sigle");
    lireLignes(chemin, [&](const Source& src, const std::string& texte) {
        const auto [sigle, code] = codeEtReste(src, texte);
        if (!lettres(sigle, 3, false)) src.refuser("sigle « " + sigle + " » : trois majuscules attendues");
        if (!lettres(code, 2, true)) src.refuser("code de pays « " + code + " » : deux lettres attendues");
        cles.noter(src, sigle, sigle);
        t.sigles.push_back({sigle, code});
        t.codesDesSigles.emplace_back(src, code);
    });
}

void lireSubdivisions(const fs::path& chemin, const std::string& pays, Tables& t) {
    Unicite cles("la clé"), codes("le code");
    auto& table = t.subdivisions[pays];
    t.fichiersSubdivisions[pays] = chemin.string();
    lireLignes(chemin, [&](const Source& src, const std::string& texte) {
        const auto [code, noms] = codeEtReste(src, texte);
        const auto valeur = std::to_string(codeSubdivision(src, code));
        codes.noter(src, valeur, valeur);
        ajouterNoms(src, noms, valeur, cles, table);
        t.nomsSubdivisions[pays].push_back({en1252(src, couper(noms, ';').front()), valeur});
    });
}

void lireColoration(const fs::path& chemin, const std::string& pays, const std::string& nom, Tables& t) {
    Tables::Coloration c{pays, nom, chemin.string(), {}, {}, {}};
    lireLignes(chemin, [&](const Source& src, const std::string& texte) { c.lignes.emplace_back(src, texte); });
    t.colorations.push_back(std::move(c));
}

// Chaque ligne « région : subdivision ; subdivision… » ; la case est le rang de la ligne.
void resoudreColoration(Tables::Coloration& c, const Tables& t) {
    const auto table = t.subdivisions.find(c.pays);
    if (table == t.subdivisions.end())
        throw ErreurDonnees(c.fichier + ": pas de fichier subdivisions-" + c.pays + ".txt");
    std::map<int, std::string> regionDuCode;
    for (const auto& [src, texte] : c.lignes) {
        const auto deuxPoints = texte.find(':');
        if (deuxPoints == std::string::npos) src.refuser("il manque « : » après le nom de la région");
        const auto region = rogner(std::string_view(texte).substr(0, deuxPoints));
        if (region.empty()) src.refuser("nom de région vide");
        if (c.regions.size() == 23) src.refuser("plus de 23 régions : il n'y a que 23 couleurs");
        for (const auto& nom : couper(texte.substr(deuxPoints + 1), ';')) {
            const auto cle = cleDuNom(src, nom);
            const auto ligne =
                std::find_if(table->second.begin(), table->second.end(), [&](const Ligne& l) { return l.cle == cle; });
            if (ligne == table->second.end())
                src.refuser("« " + nom + " » n'est pas une subdivision de subdivisions-" + c.pays + ".txt");
            const int code = std::stoi(ligne->code);
            const auto [deja, nouveau] = regionDuCode.emplace(code, region);
            if (!nouveau) src.refuser("« " + nom + " » est déjà dans la région « " + deja->second + " »");
            c.cases.emplace_back(code, c.regions.size());
        }
        c.regions.push_back(en1252(src, region));
    }
    for (const auto& l : table->second)
        if (!regionDuCode.count(std::stoi(l.code)))
            throw ErreurDonnees(c.fichier + ": la subdivision " + l.code + " (" + versUtf8(l.cle) +
                                ") n'est dans aucune région");
    std::sort(c.cases.begin(), c.cases.end());
}

void lireFichier(const fs::path& chemin, Tables& t) {
    const auto nom = chemin.filename().string();
    if (nom == "pays.txt") return lirePays(chemin, t);
    if (nom == "regions.txt") return lireRegions(chemin, t);
    if (nom == "sigles.txt") return lireSigles(chemin, t);
    const std::string prefixe = "subdivisions-";
    const auto pays = nom.size() == prefixe.size() + 6 ? nom.substr(prefixe.size(), 2) : "";
    if (nom.starts_with(prefixe) && nom.ends_with(".txt") && lettres(pays, 2, true))
        return lireSubdivisions(chemin, pays, t);
    const std::string prefixeColoration = "coloration-";
    if (nom.starts_with(prefixeColoration) && nom.ends_with(".txt") && nom.size() > prefixeColoration.size() + 7 &&
        nom[prefixeColoration.size() + 2] == '-') {
        const auto paysColore = nom.substr(prefixeColoration.size(), 2);
        const auto table = nom.substr(prefixeColoration.size() + 3, nom.size() - prefixeColoration.size() - 7);
        const bool simple = std::all_of(table.begin(), table.end(),
                                        [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
        if (lettres(paysColore, 2, false) && simple) return lireColoration(chemin, paysColore, table, t);
    }
    throw ErreurDonnees(chemin.string() +
                        ": nom de fichier inconnu (pays.txt, regions.txt, "
                        "sigles.txt, subdivisions-XX.txt ou coloration-XX-nom.txt attendu)");
}

bool codeDePays(const Tables& t, const std::string& code) {
    return std::any_of(t.pays.begin(), t.pays.end(), [&](const Ligne& l) { return l.code == code; });
}

void verifierEnsemble(const Tables& t) {
    if (t.pays.empty() || t.regions.empty() || t.sigles.empty())
        throw ErreurDonnees("pays.txt, regions.txt et sigles.txt sont nécessaires et non vides");
    for (const auto& [src, code] : t.codesDesSigles) {
        if (!codeDePays(t, code)) src.refuser("le code " + code + " n'est pas un code de pays.txt");
    }
    for (const auto& [pays, lignes] : t.subdivisions) {
        if (!codeDePays(t, pays))
            throw ErreurDonnees(t.fichiersSubdivisions.at(pays) + ": " + pays + " n'est pas un code de pays.txt");
    }
}

// Littéral C++ d'une clé : les octets hors ASCII en octal, qui ne mange jamais la lettre suivante.
std::string litteral(const std::string& cle) {
    std::string s = "\"";
    for (unsigned char c : cle) {
        if (c < 0x80) {
            s.push_back(static_cast<char>(c));
        } else {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            s += octal;
        }
    }
    return s + "\"";
}

std::vector<Ligne> triee(std::vector<Ligne> table) {
    std::sort(table.begin(), table.end(), [](const Ligne& a, const Ligne& b) { return a.cle < b.cle; });
    return table;
}

void ecrireTable(std::ostream& o, const char* type, const std::string& nom, const std::vector<Ligne>& table,
                 bool codeTexte) {
    o << "constexpr std::array<" << type << ", " << table.size() << "> " << nom << "{{\n";
    for (const auto& l : triee(table)) {
        o << "    {" << litteral(l.cle);
        if (codeTexte)
            o << ", CodePays{\"" << l.code << "\"}";
        else if (!l.code.empty())
            o << ", " << l.code;
        o << "},\n";
    }
    o << "}};\n\n";
}

void ecrireRegions(std::ostream& o, const std::vector<Ligne>& regions) {
    o << "constexpr std::array<std::string_view, " << regions.size() << "> kRegions{{\n";
    for (const auto& l : triee(regions)) o << "    " << litteral(l.cle) << ",\n";
    o << "}};\n\n";
}

// Noms d'affichage, dans l'ordre des fichiers : cle porte le nom, code le code.
void ecrireNoms(std::ostream& o, const char* type, const std::string& nom, const std::vector<Ligne>& noms,
                bool codeTexte) {
    o << "constexpr std::array<" << type << ", " << noms.size() << "> " << nom << "{{\n";
    for (const auto& l : noms) {
        if (codeTexte)
            o << "    {CodePays{\"" << l.code << "\"}, ";
        else
            o << "    {" << l.code << ", ";
        o << litteral(l.cle) << "},\n";
    }
    o << "}};\n\n";
}

void ecrireColorations(std::ostream& o, const Tables& t) {
    for (const auto& c : t.colorations) {
        const auto suffixe = c.pays + "_" + c.nom;
        o << "constexpr std::array<std::string_view, " << c.regions.size() << "> kColorationRegions_" << suffixe
          << "{{\n";
        for (const auto& r : c.regions) o << "    " << litteral(r) << ",\n";
        o << "}};\n\nconstexpr std::array<LieuCaseColoration, " << c.cases.size() << "> kColorationCases_" << suffixe
          << "{{\n";
        for (const auto& [code, rang] : c.cases) o << "    {" << code << ", " << rang << "},\n";
        o << "}};\n\n";
    }
    o << "constexpr std::array<LieuTableColoration, " << t.colorations.size() << "> kColorations{{\n";
    for (const auto& c : t.colorations)
        o << "    {CodePays{\"" << c.pays << "\"}, \"" << c.nom << "\", kColorationRegions_" << c.pays << "_" << c.nom
          << ", kColorationCases_" << c.pays << "_" << c.nom << "},\n";
    o << "}};\n\n";
}

void ecrireSource(std::ostream& o, const Tables& t) {
    o << "// Produit par outil_generer_tables_lieux depuis data/Lieux/ : corriger ces fichiers-là,\n"
         "// la construction refait celui-ci.\n"
         "#include <array>\n#include <span>\n#include <string_view>\n\n"
         "#include \"gedcom/LieuTables.h\"\n\nnamespace lignara {\n\nnamespace {\n\n";
    ecrireTable(o, "LieuLignePays", "kPays", t.pays, true);
    ecrireRegions(o, t.regions);
    ecrireTable(o, "LieuLignePays", "kTroisLettres", t.sigles, true);
    for (const auto& [pays, lignes] : t.subdivisions)
        ecrireTable(o, "LieuLigneSubdivision", "kSubdivisions_" + pays, lignes, false);
    ecrireNoms(o, "LieuNomPays", "kNomsPays", t.nomsPays, true);
    for (const auto& [pays, noms] : t.nomsSubdivisions)
        ecrireNoms(o, "LieuNomSubdivision", "kNomsSubdivisions_" + pays, noms, false);
    ecrireColorations(o, t);
    o << "struct TableDuPays {\n    CodePays pays;\n    std::span<const LieuLigneSubdivision> lignes;\n"
         "    std::span<const LieuNomSubdivision> noms;\n};\n\n"
      << "constexpr std::array<TableDuPays, " << t.subdivisions.size() << "> kSubdivisions{{\n";
    for (const auto& [pays, lignes] : t.subdivisions)
        o << "    {CodePays{\"" << pays << "\"}, kSubdivisions_" << pays << ", kNomsSubdivisions_" << pays << "},\n";
    o << "}};\n\n}  // namespace\n\n"
         "std::span<const LieuLignePays> tableLieuPays() { return kPays; }\n"
         "std::span<const std::string_view> tableLieuRegions() { return kRegions; }\n"
         "std::span<const LieuLignePays> tableLieuTroisLettres() { return kTroisLettres; }\n\n"
         "std::span<const LieuLigneSubdivision> tableLieuSubdivisions(CodePays pays) {\n"
         "    for (const auto& t : kSubdivisions)\n"
         "        if (t.pays == pays) return t.lignes;\n"
         "    return {};\n}\n\n"
         "std::span<const LieuNomPays> tableNomsPays() { return kNomsPays; }\n"
         "std::span<const LieuTableColoration> tablesLieuColoration() { return kColorations; }\n\n"
         "std::span<const LieuNomSubdivision> tableNomsSubdivisions(CodePays pays) {\n"
         "    for (const auto& t : kSubdivisions)\n"
         "        if (t.pays == pays) return t.noms;\n"
         "    return {};\n}\n\n}  // namespace lignara\n";
}

// N'écrit que si le contenu change : une donnée retouchée sans effet ne recompile rien.
void ecrireSiChange(const fs::path& sortie, const std::string& contenu) {
    std::ifstream ancien(sortie, std::ios::binary);
    std::stringstream lu;
    lu << ancien.rdbuf();
    if (ancien && lu.str() == contenu) return;
    fs::create_directories(sortie.parent_path());
    std::ofstream flux(sortie, std::ios::binary | std::ios::trunc);
    flux << contenu;
    if (!flux) throw ErreurDonnees(sortie.string() + ": écriture impossible");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage : outil_generer_tables_lieux SORTIE.cpp FICHIER.txt…\n";
        return 2;
    }
    try {
        Tables t;
        for (int i = 2; i < argc; ++i) lireFichier(argv[i], t);
        verifierEnsemble(t);
        for (auto& c : t.colorations) resoudreColoration(c, t);
        std::ostringstream source;
        ecrireSource(source, t);
        ecrireSiChange(argv[1], source.str());
    } catch (const std::exception& e) {
        std::cerr << "tables de lieux : " << e.what() << "\n";
        return 1;
    }
    return 0;
}
