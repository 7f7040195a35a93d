#include "shell/gui/CommandesMenus.h"

#include <array>

namespace lignara::gui {
namespace {

constexpr std::array<ElementMenuDocument, 7> kArbres{{
    {6101, "&Ascendant", "&Individuel..."},
    {6102, "&Ascendant", "&Familial..."},
    {6103, nullptr, "&Descendant..."},
    {6104, "&Mixte", "&Individuel..."},
    {6105, "&Mixte", "&Familial..."},
    {6106, "&Cousins", "&Individuel..."},
    {6107, "&Cousins", "&Familial..."},
}};

constexpr std::array<ElementMenuDocument, 6> kListes{{
    {6201, nullptr, "&Ascendante..."},
    {6202, nullptr, "&Descendante..."},
    {6205, nullptr, "&Cousins..."},
    {6203, nullptr, "&Eclair..."},
    {6204, nullptr, "&Branches..."},
    {6206, nullptr, "&Par critères..."},
}};

constexpr std::array<ElementMenuDocument, 9> kFrises{{
    {6301, "&Individuelle", "&Individu seul..."},
    {6302, "&Individuelle", "Chaque &ascendant..."},
    {6303, "&Individuelle", "Chaque &descendant..."},
    {6304, "&Ascendante", "&Individuelle..."},
    {6305, "&Ascendante", "&Familiale..."},
    {6306, nullptr, "&Descendante..."},
    {6307, "Générations ascendantes", "&Individuelle..."},
    {6308, "Générations ascendantes", "&Familiale..."},
    {6309, nullptr, "Générations descendantes..."},
}};

constexpr std::array<ElementMenuDocument, 3> kRoues{{
    {6401, nullptr, "&Ascendante..."},
    {6402, nullptr, "&Descendante..."},
    {6403, nullptr, "&Mixte..."},
}};

constexpr std::array<ElementMenuDocument, 10> kTableaux{{
    {6501, nullptr, "&Ascendant..."},
    {6502, nullptr, "&Proches parents..."},
    {6503, "&Trombinoscope", "&Ascendant..."},
    {6504, "&Trombinoscope", "&Descendant..."},
    {6505, "&Trombinoscope", "&Complet..."},
    {6506, nullptr, "&Lien de parenté..."},
    {6507, nullptr, "&Consanguinités..."},
    {6508, "&Individuel", "&Individu seul..."},
    {6509, "&Individuel", "Chaque &ascendant..."},
    {6510, "&Individuel", "Chaque &descendant..."},
}};

constexpr std::array<ElementMenuDocument, 6> kCartes{{
    {6601, "&Localisation", "&Ascendance..."},
    {6602, "&Localisation", "&Descendance..."},
    {6603, "&Localisation", "&Patronyme..."},
    {6604, "&Localisation", "&Complète..."},
    {6611, "&Migration", "&Ascendance..."},
    {6612, "&Migration", "&Descendance..."},
}};

constexpr std::array<ElementMenuDocument, 13> kStatistiques{{
    {6701, nullptr, "&Générations ascendantes..."},
    {6731, "Année de &naissance", "&Ascendantes..."},
    {6732, "Année de &naissance", "&Descendantes..."},
    {6733, "Année de &naissance", "&Complètes..."},
    {6721, "Age &mariage/décès", "&Ascendantes..."},
    {6722, "Age &mariage/décès", "&Descendantes..."},
    {6723, "Age &mariage/décès", "&Complètes..."},
    {6741, "&Professions", "&Ascendantes..."},
    {6742, "&Professions", "&Descendantes..."},
    {6743, "&Professions", "&Complètes..."},
    {6751, "&Sources", "&Ascendantes..."},
    {6752, "&Sources", "&Descendantes..."},
    {6753, "&Sources", "&Complètes..."},
}};

constexpr std::array<ElementMenuDocument, 1> kFavoris{{
    {kCommandeGererFavoris, nullptr, "Gérer les favoris ..."},
}};

const std::array<MenuDocuments, 8> kMenus{{
    {"Arbres", "MenuArbre", 5000, kArbres},
    {"Listes", "MenuListe", 5001, kListes},
    {"Frises", "MenuFrise", 5002, kFrises},
    {"Roues", "MenuRoue", 5003, kRoues},
    {"Tableaux", "MenuTableau", 5004, kTableaux},
    {"Cartes", "MenuCarte", 5005, kCartes},
    {"Statistiques", "MenuStat", 5006, kStatistiques},
    {"Favoris", "MenuFavori", 5009, kFavoris},
}};

}  // namespace

std::span<const MenuDocuments> menusDocuments() { return kMenus; }

}  // namespace lignara::gui
