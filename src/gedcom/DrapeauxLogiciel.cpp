#include "gedcom/DrapeauxLogiciel.h"

#include <cctype>

namespace lignara {

namespace {

struct Logiciel {
    std::string_view nom;
    std::uint16_t drapeaux;
};

constexpr Logiciel kLogiciels[] = {
    {"Heredis", 23}, {"GeneWeb", 12}, {"VisuGene", 97},        {"ScionPC", 3},
    {"GENJ", 3},     {"Elie", 3},     {"SmartGenealogy", 131}, {"PAF", 2},
};

bool commencePar(std::string_view valeur, std::string_view nom) {
    if (valeur.size() < nom.size()) return false;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        auto a = static_cast<unsigned char>(valeur[i]), b = static_cast<unsigned char>(nom[i]);
        if (std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}

}  // namespace

std::uint16_t DrapeauxLogiciel(std::string_view valeurSour) {
    for (const Logiciel& l : kLogiciels)
        if (commencePar(valeurSour, l.nom)) return l.drapeaux;
    return 0;
}

}  // namespace lignara
