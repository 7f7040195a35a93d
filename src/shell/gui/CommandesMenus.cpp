#include "shell/gui/CommandesMenus.h"

#include <array>

namespace lignara::gui {
namespace {

constexpr std::array<ElementMenuDocument, 7> kArbres{{
    {6101, 1, "&Ascendant", "&Individuel..."},
    {6102, 38, "&Ascendant", "&Familial..."},
    {6103, 2, nullptr, "&Descendant..."},
    {6104, 3, "&Mixte", "&Individuel..."},
    {6105, 39, "&Mixte", "&Familial..."},
    {6106, 41, "&Cousins", "&Individuel..."},
    {6107, 40, "&Cousins", "&Familial..."},
}};

constexpr std::array<ElementMenuDocument, 6> kListes{{
    {6201, 12, nullptr, "&Ascendante..."},
    {6202, 15, nullptr, "&Descendante..."},
    {6205, 14, nullptr, "&Cousins..."},
    {6203, 16, nullptr, "&Eclair..."},
    {6204, 13, nullptr, "&Branches..."},
    {6206, 17, nullptr, "&Par critères..."},
}};

constexpr std::array<ElementMenuDocument, 9> kFrises{{
    {6301, 42, "&Individuelle", "&Individu seul..."},
    {6302, 43, "&Individuelle", "Chaque &ascendant..."},
    {6303, 44, "&Individuelle", "Chaque &descendant..."},
    {6304, 51, "&Ascendante", "&Individuelle..."},
    {6305, 52, "&Ascendante", "&Familiale..."},
    {6306, 53, nullptr, "&Descendante..."},
    {6307, 47, "&Générations ascendantes", "&Individuelle..."},
    {6308, 48, "&Générations ascendantes", "&Familiale..."},
    {6309, 49, nullptr, "Génération&s descendantes..."},
}};

constexpr std::array<ElementMenuDocument, 3> kRoues{{
    {6401, 18, nullptr, "&Ascendante..."},
    {6402, 19, nullptr, "&Descendante..."},
    {6403, 55, nullptr, "&Mixte..."},
}};

constexpr std::array<ElementMenuDocument, 10> kTableaux{{
    {6501, 32, nullptr, "&Ascendant..."},
    {6502, 54, nullptr, "&Proches parents..."},
    {6503, 35, "&Trombinoscope", "&Ascendant..."},
    {6504, 37, "&Trombinoscope", "&Descendant..."},
    {6505, 36, "&Trombinoscope", "&Complet..."},
    {6506, 11, nullptr, "&Lien de parenté..."},
    {6507, 34, nullptr, "&Consanguinités..."},
    {6508, 10, "&Individuel", "&Individu seul..."},
    {6509, 45, "&Individuel", "Chaque &ascendant..."},
    {6510, 46, "&Individuel", "Chaque &descendant..."},
}};

constexpr std::array<ElementMenuDocument, 6> kCartes{{
    {6601, 4, "&Localisation", "&Ascendance..."},
    {6602, 6, "&Localisation", "&Descendance..."},
    {6603, 7, "&Localisation", "&Patronyme..."},
    {6604, 5, "&Localisation", "&Complète..."},
    {6611, 8, "&Migration", "&Ascendance..."},
    {6612, 9, "&Migration", "&Descendance..."},
}};

constexpr std::array<ElementMenuDocument, 13> kStatistiques{{
    {6701, 50, nullptr, "&Générations ascendantes..."},
    {6731, 23, "Année de &naissance", "&Ascendantes..."},
    {6732, 25, "Année de &naissance", "&Descendantes..."},
    {6733, 24, "Année de &naissance", "&Complètes..."},
    {6721, 20, "Age &mariage/décès", "&Ascendantes..."},
    {6722, 22, "Age &mariage/décès", "&Descendantes..."},
    {6723, 21, "Age &mariage/décès", "&Complètes..."},
    {6741, 26, "&Professions", "&Ascendantes..."},
    {6742, 28, "&Professions", "&Descendantes..."},
    {6743, 27, "&Professions", "&Complètes..."},
    {6751, 29, "&Sources", "&Ascendantes..."},
    {6752, 31, "&Sources", "&Descendantes..."},
    {6753, 30, "&Sources", "&Complètes..."},
}};

constexpr std::array<ElementMenuDocument, 1> kFavoris{{
    {kCommandeGererFavoris, 0, nullptr, "&Gérer les favoris ..."},
}};

const std::array<MenuDocuments, 8> kMenus{{
    {"Arbres", "&Arbres", "MenuArbre", 5000, kArbres},
    {"Listes", "&Listes", "MenuListe", 5001, kListes},
    {"Frises", "Fr&ises", "MenuFrise", 5002, kFrises},
    {"Roues", "&Roues", "MenuRoue", 5003, kRoues},
    {"Tableaux", "&Tableaux", "MenuTableau", 5004, kTableaux},
    {"Cartes", "&Cartes", "MenuCarte", 5005, kCartes},
    {"Statistiques", "&Statistiques", "MenuStat", 5006, kStatistiques},
    {"Favoris", "Fa&voris", "MenuFavori", 5009, kFavoris},
}};

}  // namespace

std::span<const MenuDocuments> menusDocuments() { return kMenus; }

std::uint8_t typeDeCommande(int identifiant) {
    for (const MenuDocuments& menu : kMenus)
        for (const ElementMenuDocument& e : menu.elements)
            if (e.identifiant == identifiant) return e.typeDocument;
    return 0;
}

}  // namespace lignara::gui
