#include "render/FormatPapier.h"

#include <array>
#include <string>

#include "commun/PliageAccents.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

// Zones utiles en portrait ; mm de la feuille → (mm − 10) en points arrondis × 16 pour la
// largeur, en lignes de 176 arrondies pour la hauteur.
struct Portrait {
    std::int16_t identifiant;
    std::int16_t identifiantPaysage;
    const char* nom;
    const char* nomPaysage;
    std::int32_t largeur, hauteur;
};

constexpr std::array<Portrait, 8> kPortraits{{
    {1703, 1708, "A0 portrait", "A0 paysage", 37696, 53504},            // 841 × 1189 mm
    {1704, 1709, "A1 portrait", "A1 paysage", 26480, 37664},            // 594 × 841 mm
    {1705, 1710, "A2 portrait", "A2 paysage", 18592, 26400},            // 420 × 594 mm
    {1706, 1711, "A3 portrait", "A3 paysage", 13024, 18656},            // 297 × 420 mm
    {1707, 1712, "A4 portrait", "A4 paysage", 9072, 13024},             // 210 × 297 mm
    {1720, 1723, "Letter portrait", "Letter paysage", 9344, 12144},     // 8,5 × 11 pouces
    {1721, 1724, "Legal portrait", "Legal paysage", 9344, 15664},       // 8,5 × 14 pouces
    {1722, 1725, "Tabloid portrait", "Tabloid paysage", 12224, 19184},  // 11 × 17 pouces
}};

// Lettres sans casse ni accent, chiffres, une espace entre deux mots.
std::string pliageNom(std::string_view nom) {
    std::string plie;
    for (char c : nom) {
        if (c == ' ' || c == '\t') {
            if (!plie.empty() && plie.back() != ' ') plie += ' ';
        } else if (c >= '0' && c <= '9') {
            plie += c;
        } else {
            plie += lettreDeBase(c) ? lettreDeBase(c) : c;
        }
    }
    if (!plie.empty() && plie.back() == ' ') plie.pop_back();
    return plie;
}

}  // namespace

std::optional<FormatPapier> formatPapier(std::int16_t identifiant) {
    if (identifiant == kNonPagine) return FormatPapier{kNonPagine, "Non paginé"_1252, 0, 0};
    for (const Portrait& p : kPortraits) {
        if (p.identifiant == identifiant) return FormatPapier{identifiant, p.nom, p.largeur, p.hauteur};
        if (p.identifiantPaysage == identifiant) return FormatPapier{identifiant, p.nomPaysage, p.hauteur, p.largeur};
    }
    return std::nullopt;
}

FormatPapier formatPapierOuNonPagine(std::int16_t identifiant) {
    return formatPapier(identifiant).value_or(*formatPapier(kNonPagine));
}

std::vector<FormatPapier> formatsPapier() {
    std::vector<FormatPapier> formats;
    for (std::int16_t id = kNonPagine; id <= 1725; ++id)
        if (auto f = formatPapier(id)) formats.push_back(*f);
    return formats;
}

std::optional<FormatPapier> formatPapierDeNom(std::string_view nom1252) {
    const std::string cherche = pliageNom(nom1252);
    for (const FormatPapier& f : formatsPapier())
        if (pliageNom(f.nom) == cherche) return f;
    return std::nullopt;
}

}  // namespace lignara
