#include "documents/cartes/PersonnesCarte.h"

#include "database/CleNom.h"
#include "database/EnsemblePersonnes.h"
#include "database/Parente.h"

namespace lignara {

namespace {

class Marques {
public:
    explicit Marques(const BaseGenealogique& base) : ensemble_(base.nombreIndividus()) {}
    // Vrai la première fois seulement ; un numéro hors de la base n'est jamais marqué.
    bool marquer(std::uint32_t p) {
        if (p == 0 || p > ensemble_.nombrePersonnes() || ensemble_.contient(p)) return false;
        ensemble_.ajouter(p);
        return true;
    }

private:
    EnsemblePersonnes ensemble_;
};

}  // namespace

std::vector<std::uint32_t> ascendantsCarte(const BaseGenealogique& base, std::uint32_t racine) {
    std::vector<std::uint32_t> personnes;
    Marques comptees(base);
    std::vector<std::uint32_t> pile{racine};
    while (!pile.empty()) {
        const std::uint32_t p = pile.back();
        pile.pop_back();
        if (!comptees.marquer(p)) continue;
        personnes.push_back(p);
        const ParentsPersonne parents = Parents(base, p);
        pile.push_back(parents.mere);
        pile.push_back(parents.pere);
    }
    return personnes;
}

std::vector<std::uint32_t> descendantsCarte(const BaseGenealogique& base, std::uint32_t racine) {
    std::vector<std::uint32_t> personnes;
    Marques comptees(base), suivies(base);
    auto compter = [&](std::uint32_t p) {
        if (comptees.marquer(p)) personnes.push_back(p);
    };
    compter(racine);
    suivies.marquer(racine);
    std::vector<std::uint32_t> pile{racine};
    while (!pile.empty()) {
        const std::uint32_t p = pile.back();
        pile.pop_back();
        std::vector<std::uint32_t> enfantsASuivre;
        for (const FamilleConjoint& f : Conjoints(base, p)) {
            for (std::uint32_t enfant : Enfants(base, f.fiche)) {
                compter(enfant);
                if (suivies.marquer(enfant)) enfantsASuivre.push_back(enfant);
            }
            compter(f.conjoint);
        }
        // Le premier enfant est suivi le premier, comme dans une descente récursive.
        pile.insert(pile.end(), enfantsASuivre.rbegin(), enfantsASuivre.rend());
    }
    return personnes;
}

std::vector<std::uint32_t> porteursDuNom(const BaseGenealogique& base, const IndexNoms* index,
                                         const std::string& nom1252) {
    std::vector<std::uint32_t> personnes;
    const std::string cle = CleNom(nom1252);
    if (index && index->taille() == base.nombreIndividus()) {
        for (std::size_t i = index->ChercherNom(cle + '\x1F'); i < index->taille() && index->partieNom(i) == cle; ++i)
            personnes.push_back(index->personne(i));
        return personnes;
    }
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p)
        if (CleNom(base.LireTexte(TableNoms, base.LireIndividu(p).nom)) == cle) personnes.push_back(p);
    return personnes;
}

std::vector<std::uint32_t> toutesLesPersonnes(const BaseGenealogique& base) {
    std::vector<std::uint32_t> personnes(base.nombreIndividus());
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) personnes[p - 1] = p;
    return personnes;
}

}  // namespace lignara
