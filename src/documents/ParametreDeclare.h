#pragma once
// Un paramètre de document déclaré une fois : sa lettre dans la signature, sa valeur de
// départ, son contrôle dans la feuille de propriétés, son libellé (qui est aussi son nom pour
// --option), ses choix et ses bornes. La feuille, la ligne de commande, le décodage d'un favori
// et le document lui-même en sont tirés ; le document lit ses paramètres par leur déclaration
// (Document::octet(kStyle)), jamais par leur rang, qui change entre variantes d'un même type.
//
// Une déclaration est une constante (inline constexpr) : c'est son adresse qui la désigne. Les
// types dont le document n'existe pas encore ont des paramètres anonymes tirés des lettres de
// leur signature (parametresDeLettres) : seule la tête (personne, puis son nom) y a un rôle.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

// Ce que le cadre des documents sait d'un paramètre, au-delà de sa valeur.
enum class RoleParametre : std::uint8_t {
    Option,             // propre au type : une option de la feuille et de la ligne de commande
    Racine,             // personne de tête (« P » en tête de signature)
    NomRacine,          // son nom tel que la sélection l'a rempli ; il nomme le fichier
    Conjoint,           // conjoint qui désigne la famille des variantes familiales
    Seconde,            // seconde personne (lien de parenté), choisie comme la première
    NomSeconde,         // son nom
    Format,             // code du format de sortie (0 PDF, 1 texte, 2 RTF, 3 Web)
    Coupes,             // branches coupées, page « Coupes »
    LimiteGenerations,  // « Couper toutes les branches au-delà de », page « Coupes »
    Reports,            // branches reportées en sections à part, page « Reports »
    NombreReports,      // leur nombre, tenu par le cadre avec la liste
};

// Un choix d'une liste : libellé montré (Windows-1252) et valeur rangée ; pour un paramètre
// texte, la valeur rangée est le libellé lui-même.
struct ChoixParametre {
    std::string libelle;
    std::int64_t valeur = 0;
};
// Liste que le programme calcule (chronologies, critères de coloration…).
using ChoixCalcules = std::vector<ChoixParametre> (*)();

struct ParametreDeclare {
    char lettre;  // P s 1 b 2 4 D L (SignatureParametres.h)
    RoleParametre role = RoleParametre::Option;
    int controle = 0;                         // identifiant du contrôle (PagesOptions.h) ; 0 : aucun
    const char* libelle = nullptr;            // UTF-8, sans deux-points ; nul : pas d'option nommée
    std::int64_t defaut = 0;                  // valeur de départ des lettres numériques
    std::span<const char* const> choix = {};  // choix fixes (UTF-8) ; la valeur est le rang
    ChoixCalcules choixCalcules = nullptr;    // ou choix calculés par le programme
    const char* libelleAucun = nullptr;       // libellé (UTF-8) qui rend la valeur de départ
    std::int64_t minimum = 0;                 // nombres
    std::int64_t maximum = 0;
    std::size_t longueurMax = 100;  // textes libres, en octets
    std::uint8_t page = 0;          // rang de sa page dans la feuille du type
    const char* unite = nullptr;    // nombres : unité montrée après le champ (UTF-8)

    // Choix offerts, fixes ou calculés (libellés en Windows-1252) ; vide : pas une liste.
    std::vector<ChoixParametre> listeChoix() const;
};

// La tête des signatures qui commencent par « Ps ».
inline constexpr ParametreDeclare kRacine{'P', RoleParametre::Racine};
inline constexpr ParametreDeclare kNomRacine{'s', RoleParametre::NomRacine};

namespace detail {

// Paramètres anonymes, un par lettre, partagés par tous les types qui n'ont pas encore leur
// document.
inline constexpr ParametreDeclare kAnonymeP{'P'}, kAnonymeS{'s'}, kAnonyme1{'1'}, kAnonymeB{'b'}, kAnonyme2{'2'},
    kAnonyme4{'4'}, kAnonymeD{'D'}, kAnonymeL{'L'};

constexpr const ParametreDeclare* anonyme(std::string_view lettres, std::size_t i) {
    if (i == 0 && lettres[0] == 'P') return &kRacine;
    if (i == 1 && lettres[0] == 'P' && lettres[1] == 's') return &kNomRacine;
    switch (lettres[i]) {
        case 'P': return &kAnonymeP;
        case 's': return &kAnonymeS;
        case '1': return &kAnonyme1;
        case 'b': return &kAnonymeB;
        case '2': return &kAnonyme2;
        case '4': return &kAnonyme4;
        case 'D': return &kAnonymeD;
        case 'L': return &kAnonymeL;
        default: throw std::logic_error("lettre de signature inconnue");  // refusé à la compilation
    }
}

template <std::size_t N>
struct Lettres {
    char texte[N]{};
    constexpr Lettres(const char (&t)[N]) {
        for (std::size_t i = 0; i < N; ++i) texte[i] = t[i];
    }
};

template <Lettres L>
inline constexpr auto kParametresDeLettres = [] {
    constexpr std::size_t n = sizeof(L.texte) - 1;
    std::array<const ParametreDeclare*, n> p{};
    for (std::size_t i = 0; i < n; ++i) p[i] = anonyme(std::string_view(L.texte, n), i);
    return p;
}();

}  // namespace detail

// Paramètres anonymes d'une signature écrite en lettres : parametresDeLettres<"Psbbs11bL1">.
template <detail::Lettres L>
constexpr std::span<const ParametreDeclare* const> parametresDeLettres() {
    return detail::kParametresDeLettres<L>;
}

}  // namespace lignara
