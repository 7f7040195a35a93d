#pragma once
// GEDCOM d'essai des arbres : une personne par numéro (I<n>, prénoms « P<n> », nom « N<n> ») ; les
// femmes des familles sont des femmes, les autres personnes des hommes, sauf sexe donné.
#include <map>
#include <set>
#include <string>
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

// Famille : mari, femme (0 : inconnu), enfants dans l'ordre, date de mariage GEDCOM (vide : aucune).
struct FamilleEssai {
    int mari = 0, femme = 0;
    std::vector<int> enfants;
    std::string mariage;
};

// Familles citées par chaque conjoint dans l'ordre donné.
inline std::string gedcomDeFamilles(int personnes, const std::vector<FamilleEssai>& familles,
                                    const std::map<int, DetailsPersonne>& details = {}) {
    std::map<int, std::string> fams, famc;
    std::set<int> femmes;
    std::string f;
    for (std::size_t n = 1; n <= familles.size(); ++n) {
        const FamilleEssai& fe = familles[n - 1];
        const std::string id = "@F" + std::to_string(n) + "@";
        f += "0 " + id + " FAM\n";
        for (auto [role, p] : {std::pair{"HUSB", fe.mari}, {"WIFE", fe.femme}}) {
            if (p) f += std::string("1 ") + role + " @I" + std::to_string(p) + "@\n";
            if (p) fams[p] += "1 FAMS " + id + "\n";
        }
        if (fe.femme) femmes.insert(fe.femme);
        if (!fe.mariage.empty()) f += "1 MARR\n2 DATE " + fe.mariage + "\n";
        for (int e : fe.enfants) {
            f += "1 CHIL @I" + std::to_string(e) + "@\n";
            famc[e] = "1 FAMC " + id + "\n";
        }
    }
    std::string g = "0 HEAD\n1 CHAR ANSI\n";
    for (int p = 1; p <= personnes; ++p) {
        const std::string n = std::to_string(p);
        const DetailsPersonne d = details.count(p) ? details.at(p) : DetailsPersonne{};
        const char sexe = d.sexe ? d.sexe : femmes.count(p) ? 'F' : 'M';
        g.append("0 @I").append(n).append("@ INDI\n1 NAME P").append(n).append(" /N").append(n).append("/\n1 SEX ");
        g.append(1, sexe).append("\n");
        if (!d.naissance.empty()) g += "1 BIRT\n2 DATE " + d.naissance + "\n";
        if (!d.profession.empty()) g += "1 OCCU " + d.profession + "\n";
        g += fams[p] + famc[p];
    }
    return g + f + "0 TRLR\n";
}

// Une famille par couple « père, mère », dans l'ordre des couples, enfants dans l'ordre donné.
inline std::string gedcomDeLiens(int personnes, const std::vector<LienParents>& liens,
                                 const std::map<int, DetailsPersonne>& details = {}) {
    std::map<std::pair<int, int>, std::vector<int>> couples;
    for (const LienParents& l : liens) couples[{l.pere, l.mere}].push_back(l.enfant);
    std::vector<FamilleEssai> familles;
    familles.reserve(couples.size());
    for (const auto& [couple, enfants] : couples) familles.push_back({couple.first, couple.second, enfants, ""});
    return gedcomDeFamilles(personnes, familles, details);
}

// Ascendance complète sur n générations, numérotée comme un arbre de Sosa : le père de k est 2k, sa mère 2k + 1.
inline std::string gedcomSosa(int generations, const std::map<int, DetailsPersonne>& details = {}) {
    const int personnes = (1 << generations) - 1;
    std::vector<LienParents> liens;
    for (int k = 1; 2 * k + 1 <= personnes; ++k) liens.push_back({k, 2 * k, 2 * k + 1});
    return gedcomDeLiens(personnes, liens, details);
}

// Échelle : chaque génération est faite de deux personnes, frère et sœur, toutes deux enfants du
// couple du dessus ; toutes les générations sont complètes, et la génération g compte 2^(g − 1)
// ancêtres par les branches doubles (les chemins dépassent 64 bits après la 65e).
inline std::string gedcomEchelle(int generations) {
    std::vector<LienParents> liens{{1, 2, 3}};
    for (int g = 1; g < generations; ++g) {
        liens.push_back({2 * g, 2 * g + 2, 2 * g + 3});
        liens.push_back({2 * g + 1, 2 * g + 2, 2 * g + 3});
    }
    return gedcomDeLiens(2 * generations + 1, liens);
}

}  // namespace lignara::essai
