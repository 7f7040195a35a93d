#include "documents/statistiques/CompteCategories.h"

#include <algorithm>
#include <unordered_map>

namespace lignara {

namespace {

std::uint32_t sourceEvenement(const BaseGenealogique& base, std::uint32_t evenement) {
    if (evenement == 0) return 0;
    const Evenement e = base.LireEvenement(evenement);
    return e.source != 0 ? e.source : e.sourceLieu;
}

}  // namespace

std::uint64_t CompteCategories::total() const {
    std::uint64_t t = 0;
    for (std::uint64_t c : comptes) t += c;
    return t;
}

int CompteCategories::pourcentage(std::size_t categorie) const {
    const std::uint64_t t = total();
    if (t == 0 || categorie >= comptes.size()) return 0;
    return static_cast<int>((1000 * comptes[categorie] + 5) / (10 * t));
}

std::uint32_t referenceValeur(const BaseGenealogique& base, const Individu& personne, GenreValeur genre) {
    if (genre == GenreValeur::Professions) return personne.profession;
    if (personne.sourceNom != 0) return personne.sourceNom;
    if (auto s = sourceEvenement(base, personne.naissance)) return s;
    if (personne.sourceProfession != 0) return personne.sourceProfession;
    if (personne.sourceCommentaire != 0) return personne.sourceCommentaire;
    return sourceEvenement(base, personne.deces);
}

// Chaque référence est lue une fois ; deux références de même texte sont ensuite réunies.
std::vector<ValeurCategories> collecterValeurs(const BaseGenealogique& base, const EnsemblePersonnes& population,
                                               GenreValeur genre) {
    std::unordered_map<std::uint32_t, std::uint32_t> parReference;
    const std::uint32_t n = base.nombreIndividus();
    for (std::uint32_t p = 1; p <= n; ++p) {
        if (!population.contient(p)) continue;
        if (const std::uint32_t ref = referenceValeur(base, base.LireIndividu(p), genre)) ++parReference[ref];
    }
    const TableTexte table = genre == GenreValeur::Professions ? TableProfessions : TableSources;
    std::vector<ValeurCategories> valeurs;
    valeurs.reserve(parReference.size());
    for (const auto& [ref, personnes] : parReference) {
        std::string texte = base.LireTexte(table, ref);
        if (!texte.empty()) valeurs.push_back({std::move(texte), personnes, {}});
    }
    std::sort(valeurs.begin(), valeurs.end(),
              [](const ValeurCategories& a, const ValeurCategories& b) { return a.texte < b.texte; });
    std::vector<ValeurCategories> distinctes;
    for (ValeurCategories& v : valeurs) {
        if (!distinctes.empty() && distinctes.back().texte == v.texte)
            distinctes.back().personnes += v.personnes;
        else
            distinctes.push_back(std::move(v));
    }
    return distinctes;
}

CompteCategories compterCategories(std::vector<ValeurCategories> valeurs, CategorieAutomate& automate,
                                   bool uneSeuleCategorie) {
    CompteCategories c;
    const std::size_t nombre = std::min(automate.nombre(), CompteCategories::kCategoriesMax);
    c.noms.assign(automate.noms().begin(), automate.noms().begin() + static_cast<std::ptrdiff_t>(nombre));
    c.comptes.assign(nombre, 0);
    for (ValeurCategories& v : valeurs) {
        v.categories.clear();
        automate.commencer(v.texte);
        for (std::uint8_t k = automate.Match(); k != CategorieAutomate::kAucune; k = automate.Match()) {
            if (k >= nombre || std::find(v.categories.begin(), v.categories.end(), k) != v.categories.end()) continue;
            v.categories.push_back(k);
            c.comptes[k] += v.personnes;
            if (uneSeuleCategorie) break;
        }
    }
    c.valeurs = std::move(valeurs);
    return c;
}

}  // namespace lignara
