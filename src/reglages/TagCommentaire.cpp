#include "reglages/TagCommentaire.h"

#include <algorithm>
#include <array>

#include "commun/Texte.h"
#include "reglages/ReglagesFichier.h"

namespace lignara {

namespace {

// Union des tags du recensement (29) et de la lecture des individus (21).
constexpr std::array<std::string_view, 39> kTagsLus = {
    "ABBR", "ADOP", "AUTH", "BIRT", "CAUS", "CHAR", "CHIL", "CONC", "CONT", "DATE", "DEAT", "DIV",  "EVEN",
    "FAM",  "FAMC", "FAMS", "FILE", "GIVN", "HEAD", "HUSB", "INDI", "LIEU", "MARR", "NAME", "NICK", "NOTE",
    "OBJE", "OCCU", "PLAC", "PUBL", "REPO", "SEX",  "SOUR", "SURN", "TITL", "TRLR", "TYPE", "WIFE", "_IMG"};

char majuscule(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool egauxSansCasse(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return majuscule(x) == majuscule(y); });
}

}  // namespace

std::string tagCommentaireSaisi(std::string_view saisie) {
    saisie = saisie.substr(0, saisie.find(' '));
    return std::string(saisie.substr(0, ReglagesFichier::kLimiteTag));
}

bool tagDejaLuPourLesPersonnes(std::string_view tag) {
    return std::any_of(kTagsLus.begin(), kTagsLus.end(), [&](std::string_view lu) { return egauxSansCasse(lu, tag); });
}

bool caracteresDeTagGedcom(std::string_view tag) {
    return std::all_of(tag.begin(), tag.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::string refusTagCommentaire(std::string_view tag) {
    if (!caracteresDeTagGedcom(tag))
        return "Le tag \""_1252 + std::string(tag) +
               "\" ne peut pas être utilisé pour les commentaires\ncar un tag Gedcom ne contient que "
               "des lettres, des chiffres et des soulignés (_)."_1252;
    if (!tagDejaLuPourLesPersonnes(tag)) return {};
    return "Le tag \""_1252 + std::string(tag) +
           "\" ne peut pas être utilisé pour les commentaires\ncar il est déjà pris en compte "
           "dans la description d'un individu."_1252;
}

}  // namespace lignara
