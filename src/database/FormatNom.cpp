#include "database/FormatNom.h"

#include <cstddef>
#include <string_view>

#include "database/Casse1252.h"

namespace lignara {

namespace {

constexpr char kApostropheTypographique = static_cast<char>(0x92);

bool estApostrophe(char c) { return c == '\'' || c == kApostropheTypographique; }

// Particule en capitales à la position donnée : rend le nombre de lettres à remettre en
// minuscules (0 s'il n'y en a pas). L'apostrophe typographique vaut l'apostrophe droite.
std::size_t particule(const std::string& nom, std::size_t i) {
    static constexpr std::string_view kParticules[] = {"DES ", "DE ", "DU ", "DIT ", "D "};
    std::string_view reste(nom.data() + i, nom.size() - i);
    if (reste.size() >= 2 && reste[0] == 'D' && estApostrophe(reste[1])) return 1;
    for (std::string_view p : kParticules)
        if (reste.starts_with(p)) return p.size() - 1;
    return 0;
}

// Particules de plusieurs langues, telles qu'on les écrit en minuscules ; « d » et « l » ne
// le sont que devant une apostrophe.
bool estParticuleEnMinuscules(std::string_view mot, char suivant) {
    static constexpr std::string_view kParticules[] = {
        "de", "du",  "des", "la",  "le", "les", "van", "von", "der",   "den", "ter", "ten", "zu", "zur",  "vom",
        "of", "and", "da",  "das", "do", "dos", "di",  "del", "della", "al",  "el",  "ap",  "af", "bint", "ibn"};
    if (mot == "d" || mot == "l") return estApostrophe(suivant);
    for (std::string_view p : kParticules)
        if (mot == p) return true;
    return false;
}

bool contientUneCapitale(std::string_view texte) {
    for (char c : texte)
        if (casse1252::minuscule(c) != c) return true;
    return false;
}

// Un rang décimal d'un chiffre romain : 9 (un + dix), 4 (un + cinq), ou cinq facultatif suivi
// d'au plus trois un. Rend la position après le rang.
std::size_t rangRomain(std::string_view m, std::size_t i, char un, char cinq, char dix) {
    std::string_view reste = m.substr(i);
    if (reste.size() >= 2 && reste[0] == un && (reste[1] == dix || reste[1] == cinq)) return i + 2;
    if (i < m.size() && m[i] == cinq) ++i;
    for (int n = 0; n < 3 && i < m.size() && m[i] == un; ++n) ++i;
    return i;
}

bool separateurDePrenoms(char c) {
    return std::string_view(" .,;-_()/\"'").find(c) != std::string_view::npos || c == kApostropheTypographique;
}

// Le mot « dit » (en toute casse) suivi d'une espace.
bool motDit(std::string_view mot, char suivant) {
    return suivant == ' ' && mot.size() == 3 && casse1252::minuscule(mot[0]) == 'd' &&
           casse1252::minuscule(mot[1]) == 'i' && casse1252::minuscule(mot[2]) == 't';
}

// Capitale d'une lettre, sauf ÿ : Ÿ n'a pas de lettre de base dans la clé d'un nom (ÿ y donne Y),
// et l'index, fait sur les noms mis en forme, ne retrouverait plus « Croÿ » tapé par l'utilisateur.
char capitale(char c) { return c == '\xFF' ? c : casse1252::majuscule(c); }

}  // namespace

bool estChiffreRomain(std::string_view mot) {
    std::size_t i = 0;
    for (int n = 0; n < 3 && i < mot.size() && mot[i] == 'M'; ++n) ++i;
    i = rangRomain(mot, i, 'C', 'D', 'M');
    i = rangRomain(mot, i, 'X', 'L', 'C');
    i = rangRomain(mot, i, 'I', 'V', 'X');
    return !mot.empty() && i == mot.size();
}

void FormaterNom(std::string& nom) {
    const std::string ecrit = nom;
    const bool casseEcrite = contientUneCapitale(ecrit);
    for (char& c : nom) c = capitale(c);
    for (std::size_t i = 0; i < nom.size(); ++i) {
        if (i > 0 && nom[i - 1] != ' ') continue;
        if (std::size_t lettres = particule(nom, i)) {
            for (std::size_t k = 0; k < lettres; ++k) nom[i + k] = casse1252::minuscule(nom[i + k]);
            continue;
        }
        if (!casseEcrite) continue;
        std::size_t fin = i;
        while (fin < nom.size() && nom[fin] != ' ' && nom[fin] != '-' && !estApostrophe(nom[fin])) ++fin;
        // Comme pour « de », un mot en fin de nom n'est pas une particule.
        if (fin == nom.size()) continue;
        if (estParticuleEnMinuscules(std::string_view(ecrit).substr(i, fin - i), nom[fin]))
            nom.replace(i, fin - i, ecrit, i, fin - i);
    }
}

void FormaterPrenoms(std::string& prenoms) {
    bool premierMot = true;
    for (std::size_t i = 0; i < prenoms.size();) {
        if (separateurDePrenoms(prenoms[i])) {
            ++i;
            continue;
        }
        std::size_t fin = i;
        while (fin < prenoms.size() && !separateurDePrenoms(prenoms[fin])) ++fin;
        const std::string_view mot(prenoms.data() + i, fin - i);
        const char suivant = fin < prenoms.size() ? prenoms[fin] : '\0';
        if (motDit(mot, suivant)) {
            for (std::size_t k = i; k < fin; ++k) prenoms[k] = casse1252::minuscule(prenoms[k]);
        } else if (!estChiffreRomain(mot) && (premierMot || !estParticuleEnMinuscules(mot, suivant))) {
            prenoms[i] = capitale(prenoms[i]);
            for (std::size_t k = i + 1; k < fin; ++k) prenoms[k] = casse1252::minuscule(prenoms[k]);
        }
        premierMot = false;
        i = fin;
    }
}

void appliquerAffichageNoms(BaseGenealogique& base, bool majuscules) {
    if (majuscules)
        base.fixerTransformationsNoms(FormaterNom, FormaterPrenoms);
    else
        base.fixerTransformationsNoms(nullptr, nullptr);
}

}  // namespace lignara
