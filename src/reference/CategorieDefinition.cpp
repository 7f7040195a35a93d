#include "reference/CategorieDefinition.h"

namespace lignara {

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t'; }

std::string_view sansBlancsDeQueue(std::string_view s) {
    while (!s.empty() && (estBlanc(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

}  // namespace

CategorieDefinition CategorieDefinition::lire(std::string_view texte) {
    CategorieDefinition definition;
    while (!texte.empty()) {
        std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        definition.ajouterLigne(ligne);
        if (fin == std::string_view::npos) break;
        texte.remove_prefix(fin + 1);
    }
    return definition;
}

void CategorieDefinition::ajouterLigne(std::string_view ligne) {
    ligne = sansBlancsDeQueue(ligne);
    if (ligne.empty()) return;
    if (estBlanc(ligne.front())) {
        while (!ligne.empty() && estBlanc(ligne.front())) ligne.remove_prefix(1);
        if (!ligne.empty() && !noms_.empty()) motsCles_.push_back({std::string(ligne), noms_.size() - 1});
        return;
    }
    std::string nom(ligne.substr(0, kLongueurMaximaleNom));
    if (nom.size() > longueurNomMaximale_) longueurNomMaximale_ = nom.size();
    noms_.push_back(std::move(nom));
}

}  // namespace lignara
