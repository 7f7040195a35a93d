#include "database/IndexDesNoms.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <unordered_map>
#include <vector>

#include "database/CleNom.h"
#include "database/ClePhonetique.h"

namespace lignara {

namespace {

using Cles = IndexNoms::Cles;
using Textes = PreparationPhonetique::Textes;

// Textes distincts d'une table de noms, dans l'ordre de première rencontre, et le numéro de
// texte de chaque personne.
class LectureTextes {
public:
    LectureTextes(const BaseGenealogique& base, TableTexte table, std::uint32_t personnes, Textes& lus)
        : base_(base), table_(table), lus_(lus) {
        lus_.deLaPersonne.reserve(personnes);
        numeros_.reserve(personnes / 8 + 16);
    }

    void ajouter(std::uint32_t ref) {
        auto [place, nouveau] = numeros_.try_emplace(ref, static_cast<std::uint32_t>(lus_.distincts.size()));
        if (nouveau) lus_.distincts.push_back(base_.LireTexte(table_, ref));
        lus_.deLaPersonne.push_back(place->second);
    }

private:
    const BaseGenealogique& base_;
    TableTexte table_;
    std::unordered_map<std::uint32_t, std::uint32_t> numeros_;
    Textes& lus_;
};

// Clés distinctes triées, et le rang de la clé de chaque texte.
struct Rangs {
    std::shared_ptr<const Cles> cles;
    std::vector<std::uint32_t> duTexte;
};

Rangs ranger(std::vector<std::string> clesDesTextes) {
    std::vector<std::uint32_t> ordre(clesDesTextes.size());
    std::iota(ordre.begin(), ordre.end(), 0u);
    std::sort(ordre.begin(), ordre.end(),
              [&](std::uint32_t a, std::uint32_t b) { return clesDesTextes[a] < clesDesTextes[b]; });
    auto cles = std::make_shared<Cles>();
    Rangs rangs;
    rangs.duTexte.resize(clesDesTextes.size());
    for (std::uint32_t t : ordre) {
        if (cles->empty() || cles->back() != clesDesTextes[t]) cles->push_back(std::move(clesDesTextes[t]));
        rangs.duTexte[t] = static_cast<std::uint32_t>(cles->size() - 1);
    }
    rangs.cles = std::move(cles);
    return rangs;
}

template <class Fonction>
Rangs rangerCles(const std::vector<std::string>& textes, Fonction cleDe) {
    std::vector<std::string> cles;
    cles.reserve(textes.size());
    for (const std::string& t : textes) cles.push_back(cleDe(t));
    return ranger(std::move(cles));
}

// Tri stable par comptage sur un rang de clé (moins que nombre) : passe après passe, du
// critère le plus faible au plus fort, des entrées venues dans l'ordre des numéros finissent
// dans l'ordre des index, homonymes par numéro. Un tri par comparaisons d'un million
// d'entrées coûtait plus que tout le reste de l'index.
template <typename Entree, typename Rang>
void trierParRang(std::vector<Entree>& entrees, std::size_t nombre, Rang rang) {
    std::vector<std::uint32_t> debut(nombre + 1, 0);
    for (const Entree& e : entrees) ++debut[rang(e) + 1];
    for (std::size_t r = 1; r <= nombre; ++r) debut[r] += debut[r - 1];
    std::vector<Entree> tries(entrees.size());
    for (const Entree& e : entrees) tries[debut[rang(e)]++] = e;
    entrees.swap(tries);
}

}  // namespace

IndexNoms construireIndexNoms(const BaseGenealogique& base, PreparationPhonetique& suite) {
    const std::uint32_t n = base.nombreIndividus();
    suite = PreparationPhonetique();
    LectureTextes noms(base, TableNoms, n, suite.noms), prenoms(base, TablePrenoms, n, suite.prenoms);
    for (std::uint32_t p = 1; p <= n; ++p) {
        Individu i = base.LireIndividu(p);
        noms.ajouter(i.nom);
        prenoms.ajouter(i.prenoms);
    }
    auto cleNom = [](const std::string& t) { return CleNom(t); };
    Rangs nomsCles = rangerCles(suite.noms.distincts, cleNom);
    Rangs prenomsCles = rangerCles(suite.prenoms.distincts, cleNom);

    std::vector<IndexNoms::Entree> entrees(n);
    for (std::uint32_t p = 1; p <= n; ++p)
        entrees[p - 1] = {p, nomsCles.duTexte[suite.noms.deLaPersonne[p - 1]],
                          prenomsCles.duTexte[suite.prenoms.deLaPersonne[p - 1]]};
    trierParRang(entrees, prenomsCles.cles->size(), [](const IndexNoms::Entree& e) { return e.prenoms; });
    trierParRang(entrees, nomsCles.cles->size(), [](const IndexNoms::Entree& e) { return e.nom; });
    suite.noms.rangCleDuTexte = std::move(nomsCles.duTexte);
    suite.prenoms.rangCleDuTexte = std::move(prenomsCles.duTexte);
    suite.clesNoms = {nomsCles.cles, prenomsCles.cles};
    return IndexNoms(nomsCles.cles, prenomsCles.cles, std::move(entrees));
}

IndexPhonetique construireIndexPhonetique(const PreparationPhonetique& preparation) {
    const Textes& noms = preparation.noms;
    const Textes& prenoms = preparation.prenoms;
    auto clePhon = [](const std::string& t) { return ClePhonetique(t); };
    Rangs nomsPhon = rangerCles(noms.distincts, clePhon);
    Rangs prenomsPhon = rangerCles(prenoms.distincts, clePhon);
    const auto n = static_cast<std::uint32_t>(noms.deLaPersonne.size());
    std::vector<IndexPhonetique::Entree> entrees(n);
    for (std::uint32_t p = 1; p <= n; ++p) {
        const std::uint32_t tn = noms.deLaPersonne[p - 1], tp = prenoms.deLaPersonne[p - 1];
        entrees[p - 1] = {p, nomsPhon.duTexte[tn], prenomsPhon.duTexte[tp], noms.rangCleDuTexte[tn],
                          prenoms.rangCleDuTexte[tp]};
    }
    using Entree = IndexPhonetique::Entree;
    trierParRang(entrees, preparation.clesNoms.prenoms->size(), [](const Entree& e) { return e.clePrenoms; });
    trierParRang(entrees, prenomsPhon.cles->size(), [](const Entree& e) { return e.prenoms; });
    trierParRang(entrees, nomsPhon.cles->size(), [](const Entree& e) { return e.nom; });
    return IndexPhonetique({nomsPhon.cles, prenomsPhon.cles}, preparation.clesNoms, std::move(entrees));
}

IndexDesNoms construireIndexDesNoms(const BaseGenealogique& base) {
    PreparationPhonetique preparation;
    IndexDesNoms index;
    index.noms = construireIndexNoms(base, preparation);
    index.phonetique = construireIndexPhonetique(preparation);
    return index;
}

}  // namespace lignara
