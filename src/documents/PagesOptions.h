#pragma once
// Pages des feuilles de propriétés, tirées des paramètres déclarés du type : une page est la
// liste des paramètres qui y ont un contrôle (Controles.h), dans l'ordre de la signature. Le
// sens d'un identifiant est le même sur toutes les pages ; le format de sortie (2091) suit le
// paramètre de rôle Format, les coupes et la limite de générations vont sur la page « Coupes »,
// les branches reportées sur la page « Reports ».
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

#include "documents/Controles.h"
#include "documents/Document.h"
#include "documents/ListeCoupes.h"

namespace lignara {

struct PageOptions {
    std::string modele;  // « DIALOG_AA_GENE »
    std::string onglet;  // titre de l'onglet (UTF-8)
    std::vector<const ParametreDeclare*> controles;
};

// Emplacements d'options : une valeur par identifiant de contrôle. Les cases valent 0 ou 1, les
// groupes et le format leur rang ou code, le critère de coloration son code (pas son rang dans
// la liste). Les textes sont en Windows-1252.
struct EmplacementsOptions {
    std::map<int, std::int64_t> valeurs;
    std::map<int, std::string> textes;
    // Bornes des nombres (2060, 2062, 2064) : le maximum déclaré ou calculé par le document.
    std::map<int, std::int64_t> maxima;
    bool avecCoupes = false;  // page « Coupes »
    ListeCoupes coupes;
    int generations = 0;       // « Couper toutes les branches au-delà de » (0 : aucune limite)
    bool avecReports = false;  // page « Reports »
    ListeCoupes reports;
};

// Pages d'options du type, sans la page « Coupes », dans l'ordre de ses modèles ; une page sans
// contrôle n'est pas montrée. Tant que le type ne déclare aucun contrôle, une page qui ne porte
// que le format de sortie (aucune quand il n'écrit que du PDF).
std::vector<PageOptions> pagesOptions(const Afficheur& type);
// La page « Coupes » : le type la nomme et déclare ses branches coupées.
bool aPageCoupes(const Afficheur& type);
// Titre de la feuille : celui que la ligne du type déclare, sinon le titre du type (UTF-8).
std::string titreFeuille(const Afficheur& type);
// Texte en tête de la page « Coupes » : le libellé des branches coupées (UTF-8).
std::string invitationCoupes(const Afficheur& type);
// La page « Reports » : le type la nomme et déclare ses branches reportées.
bool aPageReports(const Afficheur& type);
// Texte en tête de la page « Reports » (UTF-8).
std::string invitationReports(const Afficheur& type);
// Branches reportées du document, et leur nombre quand le type le déclare.
void fixerReports(Document& document, EnsemblePersonnes reports);

// Libellés fixés par l'identifiant des cases qui accompagnent une liste (2050, 2053) (UTF-8).
const char* libelleCaseDeListe(int identifiant);

// Champs de date (2003, 2005) : jour, mois et année séparés par des barres, le jour et le mois
// sur deux chiffres et omis quand ils valent 0, l'année sur quatre (« 03/1850 », « 1850 ») ;
// vide pour la date nulle. Rien quand le texte n'est pas une date (« Date incorrecte »).
std::string texteDateSaisie(const DateParametre& date);
std::optional<DateParametre> lireDateSaisie(std::string_view texte);

// Copie des paramètres du document dans des emplacements neufs (ouverture de la feuille).
EmplacementsOptions versEmplacements(const Document& document);
// Recopie des emplacements dans les paramètres (confirmation par OK).
void depuisEmplacements(const EmplacementsOptions& emplacements, Document& document, std::uint32_t nombrePersonnes);

}  // namespace lignara
