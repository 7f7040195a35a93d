#pragma once
// Tables de noms de lieux : pays, régions françaises, subdivisions par pays, codes de pays de
// trois lettres. Elles sont écrites, lisibles, dans data/Lieux/ et compilées dans le noyau à la
// construction (tools/tables_lieux.cmake), triées sur leur clé (LieuCle pour les noms, le sigle
// pour les codes de trois lettres) ; on les cherche par dichotomie, les clés se comparant octet
// par octet, en non signé.
//
// Les codes de subdivision sont ceux que la base range dans l'octet 2 du code de lieu et que
// les cartes retrouvent : ils vont de 33 à 255 et sont uniques dans un pays. France :
// départements et territoires d'outre-mer, 33 à 137. États-Unis : les 50 États et le district
// de Columbia dans l'ordre alphabétique des noms anglais, 33 (Alabama) à 83 (Wyoming).
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "gedcom/LieuCodePays.h"

namespace lignara {

struct LieuLignePays {
    std::string_view cle;
    CodePays code;
};

struct LieuLigneSubdivision {
    std::string_view cle;
    std::uint16_t code;  // l'octet bas est le code de subdivision
};

// Nom d'affichage : le premier nom de la ligne du pays ou de la subdivision dans data/Lieux/,
// Windows-1252 (« Suisse », « Bâle-Ville »). Les tables de noms suivent l'ordre des fichiers.
struct LieuNomPays {
    CodePays code;
    std::string_view nom;
};

struct LieuNomSubdivision {
    std::uint8_t code;
    std::string_view nom;
};

// Tables de régions des arbres chromatiques (data/Lieux/coloration-XX-NOM.txt) : chaque
// subdivision du pays a la case de sa région, rang de la ligne de la région dans le fichier, si
// bien qu'une région garde sa couleur d'un arbre à l'autre. Cases triées sur la subdivision.
struct LieuCaseColoration {
    std::uint8_t subdivision;
    std::uint8_t c;
};

struct LieuTableColoration {
    CodePays pays;
    std::string_view nom;                       // NOM du fichier : « 2016 », « 1970 »
    std::span<const std::string_view> regions;  // noms, Windows-1252
    std::span<const LieuCaseColoration> cases;
};

// Le tableau complet, trié, pour les contrôles et les cartes.
std::span<const LieuLignePays> tableLieuPays();
std::span<const std::string_view> tableLieuRegions();
std::span<const LieuLignePays> tableLieuTroisLettres();
// Vide quand le pays n'a pas de table de subdivisions.
std::span<const LieuLigneSubdivision> tableLieuSubdivisions(CodePays pays);

std::span<const LieuNomPays> tableNomsPays();
std::span<const LieuNomSubdivision> tableNomsSubdivisions(CodePays pays);
std::span<const LieuTableColoration> tablesLieuColoration();

std::optional<CodePays> chercherPays(std::string_view cle);
bool estRegionFrancaise(std::string_view cle);
// Code de la subdivision du pays, 0 quand la clé est inconnue ou le pays sans table.
std::uint16_t chercherSubdivision(CodePays pays, std::string_view cle);
// Sigle ISO 3166-1 alpha-3 (trois majuscules) vers le code de deux caractères.
std::optional<CodePays> chercherCodeTroisLettres(std::string_view sigle);
// Noms d'affichage ; vides quand le code est inconnu.
std::string_view nomPays(CodePays pays);
std::string_view nomSubdivision(CodePays pays, std::uint8_t code);

}  // namespace lignara
