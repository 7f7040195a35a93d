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

// Textes distincts d'une table de noms, dans l'ordre de première rencontre, et le numéro de
// texte de chaque personne.
struct TextesLus {
    std::vector<std::string> textes;
    std::vector<std::uint32_t> deLaPersonne;  // indice 0 : personne 1
};

class LectureTextes {
public:
    LectureTextes(const BaseGenealogique& base, TableTexte table, std::uint32_t personnes)
        : base_(base), table_(table) {
        lus_.deLaPersonne.reserve(personnes);
        numeros_.reserve(personnes / 8 + 16);
    }

    void ajouter(std::uint32_t ref) {
        auto [place, nouveau] = numeros_.try_emplace(ref, static_cast<std::uint32_t>(lus_.textes.size()));
        if (nouveau) lus_.textes.push_back(base_.LireTexte(table_, ref));
        lus_.deLaPersonne.push_back(place->second);
    }

    TextesLus& resultat() { return lus_; }

private:
    const BaseGenealogique& base_;
    TableTexte table_;
    std::unordered_map<std::uint32_t, std::uint32_t> numeros_;
    TextesLus lus_;
};

// Clés distinctes triées, et le rang de la clé de chaque texte.
struct Rangs {
    std::shared_ptr<const Cles> cles;
    std::vector<std::uint32_t> duTexte;
};

Rangs ranger(std::vector<std::string> clesDesTextes) {
    std::vector<std::uint32_t> ordre(clesDesTextes.size());
    std::iota(ordre.begin(), ordre.end(), 0u);
    std::sort(ordre.begin(), ordre.end(), [&](std::uint32_t a, std::uint32_t b) {
        return clesDesTextes[a] < clesDesTextes[b];
    });
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

}  // namespace

IndexDesNoms construireIndexDesNoms(const BaseGenealogique& base) {
    const std::uint32_t n = base.nombreIndividus();
    LectureTextes noms(base, TableNoms, n), prenoms(base, TablePrenoms, n);
    for (std::uint32_t p = 1; p <= n; ++p) {
        Individu i = base.LireIndividu(p);
        noms.ajouter(i.nom);
        prenoms.ajouter(i.prenoms);
    }
    const TextesLus& lusNoms = noms.resultat();
    const TextesLus& lusPrenoms = prenoms.resultat();
    auto cleNom = [](const std::string& t) { return CleNom(t); };
    auto clePhon = [](const std::string& t) { return ClePhonetique(t); };
    Rangs nomsCles = rangerCles(lusNoms.textes, cleNom);
    Rangs prenomsCles = rangerCles(lusPrenoms.textes, cleNom);
    Rangs nomsPhon = rangerCles(lusNoms.textes, clePhon);
    Rangs prenomsPhon = rangerCles(lusPrenoms.textes, clePhon);

    std::vector<IndexNoms::Entree> entreesNoms(n);
    std::vector<IndexPhonetique::Entree> entreesPhon(n);
    for (std::uint32_t p = 1; p <= n; ++p) {
        std::uint32_t tn = lusNoms.deLaPersonne[p - 1], tp = lusPrenoms.deLaPersonne[p - 1];
        entreesNoms[p - 1] = {p, nomsCles.duTexte[tn], prenomsCles.duTexte[tp]};
        entreesPhon[p - 1] = {p, nomsPhon.duTexte[tn], prenomsPhon.duTexte[tp], nomsCles.duTexte[tn],
                              prenomsCles.duTexte[tp]};
    }
    IndexDesNoms index;
    index.noms = IndexNoms(nomsCles.cles, prenomsCles.cles, std::move(entreesNoms));
    index.phonetique = IndexPhonetique({nomsPhon.cles, prenomsPhon.cles}, {nomsCles.cles, prenomsCles.cles},
                                       std::move(entreesPhon));
    return index;
}

}  // namespace lignara
