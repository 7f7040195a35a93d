#include "documents/arbres/RegionsColoration.h"

#include <array>
#include <string_view>

#include "commun/Texte.h"
#include "gedcom/LieuTables.h"

namespace lignara {

namespace {

// Les régions françaises s'écrivent avec les numéros de départements, plus sûrs à relire que
// les codes de subdivision ; departement() fait le passage comme la normalisation des lieux
// (codes de data/Lieux/subdivisions-FR.txt).
struct RegionFrancaise {
    const char* nom;  // Windows-1252
    std::string_view departements;  // numéros séparés par des espaces ; « OM » : l'outre-mer
};

// Découpage du 1er janvier 2016 (loi du 16 janvier 2015).
constexpr std::array<RegionFrancaise, 14> kFrance2016{{
    {"Auvergne-Rhône-Alpes"_1252, "01 03 07 15 26 38 42 43 63 69 73 74"},
    {"Bourgogne-Franche-Comté"_1252, "21 25 39 58 70 71 89 90"},
    {"Bretagne"_1252, "22 29 35 56"},
    {"Centre-Val de Loire"_1252, "18 28 36 37 41 45"},
    {"Corse"_1252, "2A 2B"},
    {"Grand Est"_1252, "08 10 51 52 54 55 57 67 68 88"},
    {"Hauts-de-France"_1252, "02 59 60 62 80"},
    {"Île-de-France"_1252, "75 77 78 91 92 93 94 95"},
    {"Normandie"_1252, "14 27 50 61 76"},
    {"Nouvelle-Aquitaine"_1252, "16 17 19 23 24 33 40 47 64 79 86 87"},
    {"Occitanie"_1252, "09 11 12 30 31 32 34 46 48 65 66 81 82"},
    {"Pays de la Loire"_1252, "44 49 53 72 85"},
    {"Provence-Alpes-Côte d'Azur"_1252, "04 05 06 13 83 84"},
    {"Outre-mer"_1252, "OM"},
}};

// Découpage de 1970 (Corse séparée de Provence-Alpes-Côte d'Azur) à 2015.
constexpr std::array<RegionFrancaise, 23> kFrance1970{{
    {"Alsace"_1252, "67 68"},
    {"Aquitaine"_1252, "24 33 40 47 64"},
    {"Auvergne"_1252, "03 15 43 63"},
    {"Basse-Normandie"_1252, "14 50 61"},
    {"Bourgogne"_1252, "21 58 71 89"},
    {"Bretagne"_1252, "22 29 35 56"},
    {"Centre"_1252, "18 28 36 37 41 45"},
    {"Champagne-Ardenne"_1252, "08 10 51 52"},
    {"Corse"_1252, "2A 2B"},
    {"Franche-Comté"_1252, "25 39 70 90"},
    {"Haute-Normandie"_1252, "27 76"},
    {"Île-de-France"_1252, "75 77 78 91 92 93 94 95"},
    {"Languedoc-Roussillon"_1252, "11 30 34 48 66"},
    {"Limousin"_1252, "19 23 87"},
    {"Lorraine"_1252, "54 55 57 88"},
    {"Midi-Pyrénées"_1252, "09 12 31 32 46 65 81 82"},
    {"Nord-Pas-de-Calais"_1252, "59 62"},
    {"Pays de la Loire"_1252, "44 49 53 72 85"},
    {"Picardie"_1252, "02 60 80"},
    {"Poitou-Charentes"_1252, "16 17 79 86"},
    {"Provence-Alpes-Côte d'Azur"_1252, "04 05 06 13 83 84"},
    {"Rhône-Alpes"_1252, "01 07 26 38 42 69 73 74"},
    {"Outre-mer"_1252, "OM"},
}};

// Outre-mer : départements et collectivités, codes 129 (Guadeloupe) à 137 (Nouvelle-Calédonie).
constexpr int kPremierOutreMer = 129;
constexpr int kDernierOutreMer = 137;

// Code de subdivision d'un département de métropole (« 2A », « 75 »…), 0 pour un texte inconnu.
constexpr int departement(std::string_view numero) {
    if (numero == "2A") return 52;
    if (numero == "2B") return 53;
    if (numero.size() != 2 || numero[0] < '0' || numero[0] > '9' || numero[1] < '0' || numero[1] > '9')
        return 0;
    const int n = (numero[0] - '0') * 10 + (numero[1] - '0');
    if (n == 75) return 128;
    if (n == 95) return 124;
    if ((n >= 21 && n <= 74) || (n >= 92 && n <= 94)) return n + 33;
    if ((n >= 1 && n <= 19) || (n >= 76 && n <= 91)) return n + 32;
    return 0;
}

constexpr bool regionContient(const RegionFrancaise& r, int subdivision) {
    if (r.departements == "OM") return subdivision >= kPremierOutreMer && subdivision <= kDernierOutreMer;
    for (std::size_t i = 0; i + 1 < r.departements.size(); i += 3)
        if (departement(r.departements.substr(i, 2)) == subdivision) return true;
    return false;
}

template <std::size_t N>
constexpr int caseFrancaise(const std::array<RegionFrancaise, N>& table, int subdivision) {
    for (std::size_t c = 0; c < N; ++c)
        if (regionContient(table[c], subdivision)) return static_cast<int>(c);
    return -1;
}

// Chaque département de métropole est dans une région et une seule, chaque numéro se lit.
template <std::size_t N>
constexpr bool partitionComplete(const std::array<RegionFrancaise, N>& table) {
    int vus = 0;
    for (const auto& r : table) {
        if (r.departements == "OM") continue;
        for (std::size_t i = 0; i + 1 < r.departements.size(); i += 3) {
            if (departement(r.departements.substr(i, 2)) == 0) return false;
            ++vus;
        }
    }
    for (int code = 33; code <= 128; ++code)
        if (caseFrancaise(table, code) < 0) return false;
    return vus == 96;
}
static_assert(partitionComplete(kFrance2016));
static_assert(partitionComplete(kFrance1970));

// Belgique et Canada : la table est celle des subdivisions elle-même (data/Lieux/), case =
// code − 33, les codes publiés ne changeant plus.
constexpr int kProvincesBelges = 11;
constexpr int kProvincesCanadiennes = 13;

}  // namespace

int nombreRegionsColoration(std::uint8_t critere) {
    switch (critere) {
        case 1: return static_cast<int>(kFrance2016.size());
        case 2: return static_cast<int>(kFrance1970.size());
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
        case 1: return caseFrancaise(kFrance2016, subdivision);
        case 2: return caseFrancaise(kFrance1970, subdivision);
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
        case 1: return kFrance2016[static_cast<std::size_t>(c)].nom;
        case 2: return kFrance1970[static_cast<std::size_t>(c)].nom;
        default:
            return std::string(nomSubdivision(paysRegionsColoration(critere), static_cast<std::uint8_t>(c + 33)));
    }
}

}  // namespace lignara
