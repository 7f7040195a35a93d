#include "documents/arbres/RegionsColoration.h"

#include <algorithm>
#include <string_view>

#include "gedcom/LieuTables.h"

namespace lignara {

namespace {

// France : tables écrites dans data/Lieux/coloration-FR-2016.txt et coloration-FR-1970.txt,
// sur les départements de subdivisions-FR.txt ; la construction vérifie que chaque
// subdivision y est dans une région et une seule.
const LieuTableColoration* tableFrancaise(std::uint8_t critere) {
    const std::string_view nom = critere == 1 ? "2016" : critere == 2 ? "1970" : "";
    for (const auto& t : tablesLieuColoration())
        if (t.pays == CodePays("FR") && t.nom == nom) return &t;
    return nullptr;
}

// Belgique et Canada : la table est celle des subdivisions elle-même (data/Lieux/), case =
// code − 33, les codes publiés ne changeant plus.
constexpr int kProvincesBelges = 11;
constexpr int kProvincesCanadiennes = 13;

}  // namespace

int nombreRegionsColoration(std::uint8_t critere) {
    switch (critere) {
        case 1:
        case 2: {
            const auto* t = tableFrancaise(critere);
            return t ? static_cast<int>(t->regions.size()) : 0;
        }
        case 3: return kProvincesBelges;
        case 4: return kProvincesCanadiennes;
        default: return 0;
    }
}

CodePays paysRegionsColoration(std::uint8_t critere) {
    switch (critere) {
        case 1:
        case 2: return CodePays("FR");
        case 3: return CodePays("BE");
        case 4: return CodePays("CA");
        default: return kPaysInconnu;
    }
}

int caseRegionColoration(std::uint8_t critere, std::uint8_t subdivision) {
    switch (critere) {
        case 1:
        case 2: {
            const auto* t = tableFrancaise(critere);
            if (!t) return -1;
            const auto it =
                std::lower_bound(t->cases.begin(), t->cases.end(), subdivision,
                                 [](const LieuCaseColoration& c, std::uint8_t s) { return c.subdivision < s; });
            return it != t->cases.end() && it->subdivision == subdivision ? it->c : -1;
        }
        case 3:
        case 4: {
            const int c = subdivision - 33;
            return c >= 0 && c < nombreRegionsColoration(critere) ? c : -1;
        }
        default: return -1;
    }
}

std::string nomRegionColoration(std::uint8_t critere, int c) {
    if (c < 0 || c >= nombreRegionsColoration(critere)) return {};
    switch (critere) {
        case 1:
        case 2: return std::string(tableFrancaise(critere)->regions[static_cast<std::size_t>(c)]);
        default: return std::string(nomSubdivision(paysRegionsColoration(critere), static_cast<std::uint8_t>(c + 33)));
    }
}

}  // namespace lignara
