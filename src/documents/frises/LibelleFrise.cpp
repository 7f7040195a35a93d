#include "documents/frises/LibelleFrise.h"

#include "commun/PliageAccents.h"
#include "documents/AjustementNom.h"

namespace lignara {

namespace {

// Voyelles par leur lettre de base ; le pliage laisse sans lettre Æ, Œ, Ø (et leurs minuscules)
// et Ÿ, qui élident aussi.
bool estVoyelle(unsigned char c) {
    switch (lettreDeBase(static_cast<char>(c))) {
        case 'A':
        case 'E':
        case 'I':
        case 'O':
        case 'U':
        case 'Y': return true;
        default: return c == 0x8C || c == 0x9C || c == 0xC6 || c == 0xE6 || c == 0xD8 || c == 0xF8 || c == 0x9F;
    }
}

std::string coupe(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

bool finitPar(std::string_view s, std::string_view fin) {
    return s.size() >= fin.size() && s.substr(s.size() - fin.size()) == fin;
}

}  // namespace

bool elisionDevant(std::string_view mot, bool avecH) {
    if (mot.empty()) return false;
    const auto c = static_cast<unsigned char>(mot.front());
    return estVoyelle(c) || (avecH && (c == 'H' || c == 'h'));
}

void nommerEvenement(EvenementFrise& e, std::string_view formeLongue, std::string_view formeCourte,
                     std::string_view prenoms, std::string_view nom) {
    e.prenoms = coupe(prenoms, EvenementFrise::kNomMax);
    e.nom = coupe(nom, EvenementFrise::kNomMax);
    e.finLibelle.clear();
    if (e.prenoms.empty() && e.nom.empty()) {
        e.libelle = coupe(formeCourte, EvenementFrise::kLibelleMax);
        return;
    }
    std::string libelle(formeLongue);
    const std::string_view premier = e.prenoms.empty() ? std::string_view(e.nom) : std::string_view(e.prenoms);
    if (finitPar(libelle, " de ") && elisionDevant(premier, true)) {
        libelle.resize(libelle.size() - 2);
        libelle += '\'';
    }
    if (finitPar(libelle, "(")) e.finLibelle = ")";
    e.libelle = coupe(libelle, EvenementFrise::kLibelleMax);
}

std::string titreDe(std::string_view nom, std::string_view prenoms, std::string_view prefixe) {
    if (nom.empty() && prenoms.empty()) return {};
    std::string t(prefixe);
    if (!t.empty()) t += ' ';
    const std::string_view premier = nom.empty() ? prenoms : nom;
    t += elisionDevant(premier, false) ? "d'" : "de ";
    t += nom;
    if (!nom.empty() && !prenoms.empty()) t += ' ';
    t += prenoms;
    return t;
}

std::int32_t largeurA(const MetriquePolice& police, std::string_view texte, int taille) {
    return static_cast<std::int32_t>(std::int64_t{largeurTexte(police, texte)} * taille / 10);
}

std::string texteAjuste(const EvenementFrise& e, std::int32_t largeur, const MetriquePolice& police, int taille) {
    std::string t = e.texte();
    if (largeurA(police, t, taille) <= largeur) return t;
    // Largeur à 10 points de la place laissée aux noms.
    const std::int64_t place10 = std::int64_t{largeur} * 10 / (taille > 0 ? taille : 10);
    if (!e.prenoms.empty() || !e.nom.empty()) {
        const std::int64_t reste = place10 - largeurTexte(police, e.libelle) - largeurTexte(police, e.finLibelle);
        if (reste > 0) {
            // Le formateur garde d'abord entier son premier argument : les prénoms, écrits en tête.
            // Une seule partie (prénoms ou nom) se coupe à part, avec ses deux points.
            const auto place = static_cast<std::int32_t>(reste);
            const std::string noms = e.prenoms.empty() || e.nom.empty()
                                         ? ajusterTexte(place, e.prenoms.empty() ? e.nom : e.prenoms, police)
                                         : ajusterNom(place, e.prenoms, e.nom, police);
            t = e.libelle + noms + e.finLibelle;
            if (!noms.empty() && largeurA(police, t, taille) <= largeur) return t;
        }
    }
    // Rien ne tient : le libellé seul, coupé, suivi de deux points.
    const std::int32_t points = largeurA(police, "..", taille);
    std::string_view libelle = e.libelle;
    while (!libelle.empty() && largeurA(police, libelle, taille) + points > largeur) libelle.remove_suffix(1);
    if (libelle.empty()) return {};
    t.assign(libelle);
    t.append("..");
    return t;
}

}  // namespace lignara
