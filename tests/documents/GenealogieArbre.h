#pragma once
// GEDCOM d'essai des arbres, écrit à partir de liens « enfant, père, mère » : une personne par
// numéro (I<n>, prénoms « P<n> », nom « N<n> »), une famille par couple. Les hommes sont les
// pères, les femmes les mères ; les autres personnes sont des hommes.
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace lignara::essai {

struct LienParents {
    int enfant = 0, pere = 0, mere = 0;
};

struct DetailsPersonne {
    std::string naissance;   // date GEDCOM, vide : aucune
    std::string profession;  // vide : aucune
    char sexe = 0;           // 'M', 'F' ; 0 : celui que la fonction déduit
};

// Familles données dans l'ordre (chaque conjoint les cite dans cet ordre) : mari, femme (0 :
// inconnu), enfants dans l'ordre, date de mariage GEDCOM (vide : aucune). Les femmes des
// familles sont des femmes, les autres personnes des hommes, sauf sexe donné dans details.
struct FamilleEssai {
    int mari = 0, femme = 0;
    std::vector<int> enfants;
    std::string mariage;
};

inline std::string gedcomDeFamilles(int personnes, const std::vector<FamilleEssai>& familles,
                                    const std::map<int, DetailsPersonne>& details = {}) {
    std::map<int, std::vector<int>> fams;
    std::map<int, int> famc;
    std::set<int> femmes;
    for (std::size_t f = 0; f < familles.size(); ++f) {
        const FamilleEssai& fe = familles[f];
        const int n = static_cast<int>(f) + 1;
        if (fe.mari) fams[fe.mari].push_back(n);
        if (fe.femme) {
            fams[fe.femme].push_back(n);
            femmes.insert(fe.femme);
        }
        for (int e : fe.enfants) famc[e] = n;
    }
    std::string g = "0 HEAD\n1 CHAR ANSI\n";
    for (int p = 1; p <= personnes; ++p) {
        const std::string n = std::to_string(p);
        auto d = details.find(p);
        const char sexe = d != details.end() && d->second.sexe ? d->second.sexe : femmes.count(p) ? 'F' : 'M';
        g += "0 @I" + n + "@ INDI\n1 NAME P" + n + " /N" + n + "/\n1 SEX " + sexe + "\n";
        if (d != details.end() && !d->second.naissance.empty()) g += "1 BIRT\n2 DATE " + d->second.naissance + "\n";
        if (d != details.end() && !d->second.profession.empty()) g += "1 OCCU " + d->second.profession + "\n";
        for (int fam : fams[p]) g += "1 FAMS @F" + std::to_string(fam) + "@\n";
        if (famc.count(p)) g += "1 FAMC @F" + std::to_string(famc[p]) + "@\n";
    }
    for (std::size_t f = 0; f < familles.size(); ++f) {
        const FamilleEssai& fe = familles[f];
        g += "0 @F" + std::to_string(f + 1) + "@ FAM\n";
        if (fe.mari) g += "1 HUSB @I" + std::to_string(fe.mari) + "@\n";
        if (fe.femme) g += "1 WIFE @I" + std::to_string(fe.femme) + "@\n";
        if (!fe.mariage.empty()) g += "1 MARR\n2 DATE " + fe.mariage + "\n";
        for (int e : fe.enfants) g += "1 CHIL @I" + std::to_string(e) + "@\n";
    }
    return g + "0 TRLR\n";
}

// Une famille par couple « père, mère », dans l'ordre des couples, enfants dans l'ordre donné.
inline std::string gedcomDeLiens(int personnes, const std::vector<LienParents>& liens,
                                 const std::map<int, DetailsPersonne>& details = {}) {
    std::map<std::pair<int, int>, std::vector<int>> couples;
    for (const LienParents& l : liens) couples[{l.pere, l.mere}].push_back(l.enfant);
    std::vector<FamilleEssai> familles;
    for (const auto& [couple, enfants] : couples) familles.push_back({couple.first, couple.second, enfants, ""});
    return gedcomDeFamilles(personnes, familles, details);
}

// Ascendance complète sur n générations, numérotée comme un arbre de Sosa : le père de k est
// 2k, sa mère 2k + 1.
inline std::string gedcomSosa(int generations, const std::map<int, DetailsPersonne>& details = {}) {
    const int personnes = (1 << generations) - 1;
    std::vector<LienParents> liens;
    for (int k = 1; 2 * k + 1 <= personnes; ++k) liens.push_back({k, 2 * k, 2 * k + 1});
    return gedcomDeLiens(personnes, liens, details);
}

// Implexe : les grands-pères paternel (4) et maternel (6) sont frères, fils du couple 8 × 9.
//          8 ─ 9
//        4   5   6   7
//          2       3
//              1
inline std::string gedcomImplexe() { return gedcomDeLiens(9, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}}); }

}  // namespace lignara::essai
