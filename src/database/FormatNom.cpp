#include "database/FormatNom.h"

#include <cstddef>
#include <string_view>

#include "database/Casse1252.h"

namespace lignara {

namespace {

constexpr char kApostropheTypographique = static_cast<char>(0x92);

// Particule en capitales à la position donnée : rend le nombre de lettres à remettre en
// minuscules (0 s'il n'y en a pas). L'apostrophe typographique vaut l'apostrophe droite.
std::size_t particule(const std::string& nom, std::size_t i) {
    static constexpr std::string_view kParticules[] = {"DES ", "DE ", "DU ", "DIT ", "D "};
    std::string_view reste(nom.data() + i, nom.size() - i);
    if (reste.size() >= 2 && reste[0] == 'D' && (reste[1] == '\'' || reste[1] == kApostropheTypographique))
        return 1;
    for (std::string_view p : kParticules)
        if (reste.starts_with(p)) return p.size() - 1;
    return 0;
}

bool separateurDePrenoms(char c) {
    return std::string_view(" .,;-_()/\"'").find(c) != std::string_view::npos ||
           c == kApostropheTypographique;
}

// Le mot « dit » (en toute casse) suivi d'une espace, à la position i.
bool motDit(const std::string& prenoms, std::size_t i) {
    if (prenoms.size() < i + 4 || prenoms[i + 3] != ' ') return false;
    return casse1252::minuscule(prenoms[i]) == 'd' && casse1252::minuscule(prenoms[i + 1]) == 'i' &&
           casse1252::minuscule(prenoms[i + 2]) == 't';
}

}  // namespace

void FormaterNom(std::string& nom) {
    for (char& c : nom) c = casse1252::majuscule(c);
    for (std::size_t i = 0; i < nom.size(); ++i) {
        if (i > 0 && nom[i - 1] != ' ') continue;
        std::size_t lettres = particule(nom, i);
        for (std::size_t k = 0; k < lettres; ++k) nom[i + k] = casse1252::minuscule(nom[i + k]);
    }
}

void FormaterPrenoms(std::string& prenoms) {
    bool debutDeMot = true;
    for (std::size_t i = 0; i < prenoms.size(); ++i) {
        char& c = prenoms[i];
        if (separateurDePrenoms(c)) {
            debutDeMot = true;
            continue;
        }
        if (debutDeMot && motDit(prenoms, i)) {
            for (std::size_t k = 0; k < 3; ++k) prenoms[i + k] = casse1252::minuscule(prenoms[i + k]);
            i += 2;
        } else {
            c = debutDeMot ? casse1252::majuscule(c) : casse1252::minuscule(c);
        }
        debutDeMot = false;
    }
}

void appliquerAffichageNoms(BaseGenealogique& base, bool majuscules) {
    if (majuscules)
        base.fixerTransformationsNoms(FormaterNom, FormaterPrenoms);
    else
        base.fixerTransformationsNoms(nullptr, nullptr);
}

}  // namespace lignara
