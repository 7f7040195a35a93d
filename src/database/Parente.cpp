#include "database/Parente.h"

#include <cstdlib>
#include <string>

#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"

namespace lignara {

namespace {

[[noreturn]] void boucle(const char* quoi) { throw DonneesCorrompues(std::string("Lien en boucle : "_1252) + quoi); }

// Valeur absolue d'un lien signé, sans débordement sur le plus petit i32.
std::uint32_t absolu(std::int32_t lien) {
    return lien < 0 ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(lien)) : static_cast<std::uint32_t>(lien);
}

FamilleConjoint vueDe(std::uint32_t fiche, const Famille& f) {
    return {fiche, f.conjoint, f.mariage, f.divorce, f.premierEnfant};
}

}  // namespace

ParentsPersonne Parents(const BaseGenealogique& base, std::uint32_t personne) {
    Individu i = base.LireIndividu(personne);
    return {i.pere, i.mere};
}

std::vector<FamilleConjoint> Conjoints(const BaseGenealogique& base, std::uint32_t personne) {
    std::vector<FamilleConjoint> familles;
    auto fiche = static_cast<std::int64_t>(base.LireIndividu(personne).premiereFamille);
    while (fiche > 0) {
        if (familles.size() >= base.nombreFamilles()) boucle("familles d'un conjoint");
        auto numero = static_cast<std::uint32_t>(fiche);
        Famille f = base.LireFamille(numero);
        familles.push_back(vueDe(numero, f));
        fiche = f.suivante;
    }
    return familles;
}

std::vector<std::uint32_t> Enfants(const BaseGenealogique& base, std::uint32_t fiche) {
    std::vector<std::uint32_t> enfants;
    auto enfant = static_cast<std::int64_t>(base.LireFamille(fiche).premierEnfant);
    while (enfant > 0) {
        if (enfants.size() >= base.nombreIndividus()) boucle("enfants d'une famille");
        auto numero = static_cast<std::uint32_t>(enfant);
        enfants.push_back(numero);
        enfant = base.LireIndividu(numero).fratrie;
    }
    return enfants;
}

std::vector<std::uint32_t> Fratrie(const BaseGenealogique& base, std::uint32_t personne) {
    std::vector<std::uint32_t> fratrie{personne};
    std::int32_t lien = base.LireIndividu(personne).fratrie;
    for (;;) {
        std::uint32_t suivant = absolu(lien);
        if (suivant == 0) throw DonneesCorrompues("Anneau de fratrie rompu"_1252);
        if (suivant == personne) return fratrie;
        if (fratrie.size() >= base.nombreIndividus()) boucle("anneau de fratrie");
        fratrie.push_back(suivant);
        lien = base.LireIndividu(suivant).fratrie;
    }
}

std::optional<FamilleConjoint> FamilleDuCouple(const BaseGenealogique& base, std::uint32_t personne,
                                               std::uint32_t conjoint) {
    for (const FamilleConjoint& f : Conjoints(base, personne))
        if (f.conjoint == conjoint) return f;
    return std::nullopt;
}

}  // namespace lignara
