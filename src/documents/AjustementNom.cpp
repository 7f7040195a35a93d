#include "documents/AjustementNom.h"

#include <functional>

namespace lignara {

namespace {

using Forme = std::function<std::string(std::size_t)>;

// Plus grand n de 1 à maximum dont la forme tient ; 0 si aucun.
std::size_t plusLongQuiTient(const Forme& forme, std::size_t maximum, std::int32_t largeur,
                             const MetriquePolice& police) {
    for (std::size_t n = maximum; n >= 1; --n)
        if (largeurTexte(police, forme(n)) <= largeur) return n;
    return 0;
}

std::string tete(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

// Début coupé d'un texte, sans les blancs qui précéderaient les deux points.
std::string coupe(std::string_view s, std::size_t n) {
    std::string_view t = s.substr(0, n);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return std::string(t) + "..";
}

}  // namespace

std::string ajusterNom(std::int32_t largeur, std::string_view nom, std::string_view prenoms,
                       const MetriquePolice& police) {
    std::string entier = std::string(nom) + " " + std::string(prenoms);
    if (largeurTexte(police, entier) <= largeur) return entier;

    Forme prenomsCoupes = [&](std::size_t n) { return std::string(nom) + " " + tete(prenoms, n) + ".."; };
    if (std::size_t n = plusLongQuiTient(prenomsCoupes, prenoms.size(), largeur, police)) return prenomsCoupes(n);

    Forme nomCoupe = [&](std::size_t n) { return tete(nom, n) + ".." + std::string(prenoms); };
    if (std::size_t n = plusLongQuiTient(nomCoupe, nom.size(), largeur, police)) return nomCoupe(n);

    Forme lesDeux = [&](std::size_t n) { return tete(nom, n) + ".." + tete(prenoms, n) + ".."; };
    std::size_t maximum = std::max(nom.size(), prenoms.size());
    std::size_t n = plusLongQuiTient(lesDeux, maximum, largeur, police);
    return lesDeux(n == 0 ? 1 : n);
}

std::string ajusterTexte(std::int32_t largeur, std::string_view texte, const MetriquePolice& police) {
    if (largeurTexte(police, texte) <= largeur) return std::string(texte);
    Forme coupee = [&](std::size_t n) { return coupe(texte, n); };
    std::size_t n = plusLongQuiTient(coupee, texte.size(), largeur, police);
    return n == 0 ? std::string() : coupee(n);
}

std::string ajusterPrenomsNom(std::int32_t largeur, std::string_view prenoms, std::string_view nom,
                              const MetriquePolice& police) {
    if (prenoms.empty()) return ajusterTexte(largeur, nom, police);
    if (nom.empty()) return ajusterTexte(largeur, prenoms, police);
    std::string entier = std::string(prenoms) + " " + std::string(nom);
    if (largeurTexte(police, entier) <= largeur) return entier;

    Forme prenomsCoupes = [&](std::size_t n) { return coupe(prenoms, n) + " " + std::string(nom); };
    if (std::size_t n = plusLongQuiTient(prenomsCoupes, prenoms.size(), largeur, police)) return prenomsCoupes(n);

    Forme lesDeux = [&](std::size_t n) { return coupe(prenoms, n) + coupe(nom, n); };
    std::size_t n = plusLongQuiTient(lesDeux, std::max(prenoms.size(), nom.size()), largeur, police);
    return n == 0 ? std::string() : lesDeux(n);
}

}  // namespace lignara
