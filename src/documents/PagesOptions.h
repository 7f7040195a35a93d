#pragma once
// Pages des feuilles de propriétés des documents, déclarées et non programmées : une première
// page est la liste de ses contrôles, chacun désigné par son identifiant, dont le sens est le
// même sur toutes les pages :
//   2001 liste des noms   2002 2004 2007 2008 textes libres   2003 2005 dates
//   2011–2016 cases       2020 liste de choix du type          2031–2035, 2041–2045 groupes
//   2050/2051 « Arbre chronologique » et son fond de page       2052 pays
//   2053/2054/2055 « Arbre chromatique », critère, suppression des branches non colorées
//   2060, 2062, 2064 nombres bornés                             2091–2094 format de sortie
// Le format de sortie (2091) n'est pas lié par son rang : il suit parametreFormat() du document.
// Chaque autre contrôle remplit un paramètre du document, désigné par son rang après la tête des
// personnes (personne de tête, son nom, et le conjoint des variantes familiales) : la même
// déclaration sert aux variantes individuelle et familiale.
//
// La feuille travaille sur des emplacements d'options (EmplacementsOptions) : les paramètres y
// sont copiés à l'ouverture et n'en reviennent qu'à la confirmation par OK.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/Document.h"
#include "documents/ListeCoupes.h"

namespace lignara {

namespace controle {
inline constexpr int kNom = 2001;
inline constexpr int kDate1 = 2003, kDate2 = 2005;
inline constexpr int kPremiereCase = 2011, kDerniereCase = 2016;
inline constexpr int kChoix = 2020;
inline constexpr int kGroupe1 = 2031, kGroupe2 = 2041;
inline constexpr int kChronologique = 2050, kFondDePage = 2051;
inline constexpr int kPays = 2052;
inline constexpr int kChromatique = 2053, kCritere = 2054, kSuppressionNonColorees = 2055;
inline constexpr int kNombre1 = 2060, kNombre2 = 2062, kNombre3 = 2064;
inline constexpr int kFormat = 2091;  // 2091 à 2094 pour les codes 0 à 3
}  // namespace controle

struct ControleOption {
    int identifiant = 0;
    std::size_t parametre = 0;       // rang après la tête des personnes
    const char* libelle = "";        // UTF-8, sans deux-points
    std::vector<const char*> choix;  // groupes de boutons et listes fixes (UTF-8)
    std::int64_t minimum = 0;        // nombres
    std::int64_t maximum = 0;
};

struct PageOptions {
    const char* nom;            // « DIALOG_AA_GENE »
    const char* titreFeuille;   // titre de la feuille : « Arbre ascendant »
    std::vector<ControleOption> controles;
};

// Emplacements d'options : une valeur par identifiant de contrôle. Les cases valent 0 ou 1, les
// groupes et le format leur rang ou code, le critère de coloration son code (pas son rang dans
// la liste). Les textes sont en Windows-1252.
struct EmplacementsOptions {
    std::map<int, std::int64_t> valeurs;
    std::map<int, std::string> textes;
    bool avecCoupes = false;   // page « Coupes »
    ListeCoupes coupes;
    int generations = 0;       // « Couper toutes les branches au-delà de » (0 : aucune limite)
};

inline constexpr const char* kPageCoupes = "DIALOG_COUPE";

// Page déclarée de ce nom ; nullptr quand elle ne l'est pas encore.
const PageOptions* pageOptions(std::string_view nom);
// Première page du type (nullptr sans page, ou page non déclarée) et présence des coupes.
const PageOptions* premierePage(const Afficheur& type);
bool aPageCoupes(const Afficheur& type);
// Première page à montrer : la page déclarée ; sinon, tant qu'elle ne l'est pas, une page qui
// ne porte que le format de sortie (vide quand le type n'écrit que du PDF).
PageOptions pageDuType(const Afficheur& type);
// Titre de la feuille : celui de la première page déclarée, sinon le titre du type (UTF-8).
std::string titreFeuille(const Afficheur& type);
// Texte en tête de la page « Coupes » (UTF-8).
std::string invitationCoupes(const Afficheur& type);

// Rang du premier paramètre d'option : après la personne de tête, son nom, et la seconde
// personne qui suit directement (conjoint des variantes familiales).
std::size_t debutOptions(const Afficheur& type);

// Critères de coloration offerts par le type, dans l'ordre de la liste « Critère de
// coloration : » (Coloration.h). Vide : le type n'est pas chromatique.
std::vector<std::uint8_t> criteresProposes(const Afficheur& type);

// Champs de date (2003, 2005) : jour, mois et année séparés par des barres, le jour et le mois
// sur deux chiffres et omis quand ils valent 0, l'année sur quatre (« 03/1850 », « 1850 ») ;
// vide pour la date nulle. Rien quand le texte n'est pas une date (« Date incorrecte »).
std::string texteDateSaisie(const DateParametre& date);
std::optional<DateParametre> lireDateSaisie(std::string_view texte);

// Copie des paramètres du document dans des emplacements neufs (ouverture de la feuille).
EmplacementsOptions versEmplacements(const Document& document);
// Recopie des emplacements dans les paramètres (confirmation par OK).
void depuisEmplacements(const EmplacementsOptions& emplacements, Document& document,
                        std::uint32_t nombrePersonnes);

}  // namespace lignara
