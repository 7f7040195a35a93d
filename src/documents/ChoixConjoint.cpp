#include "documents/ChoixConjoint.h"

#include <algorithm>

#include "commun/Texte.h"
#include "documents/ContexteDocument.h"
#include "documents/SelectionPersonne.h"
#include "parente/NomAffiche.h"

namespace lignara {

std::vector<ConjointPossible> conjointsPossibles(const BaseGenealogique& base, std::uint32_t personne) {
    std::vector<ConjointPossible> liste;
    if (personne < 1 || personne > base.nombreIndividus()) return liste;
    std::uint32_t f = base.LireIndividu(personne).premiereFamille;
    for (std::uint32_t pas = 0; f >= 1 && f <= base.nombreFamilles() && pas < base.nombreFamilles(); ++pas) {
        Famille fam = base.LireFamille(f);
        if (fam.conjoint >= 1 && fam.conjoint <= base.nombreIndividus()) {
            liste.push_back({fam.conjoint, f});
            if (liste.size() == kConjointsMax) break;
        }
        if (fam.suivante <= 0) break;
        f = static_cast<std::uint32_t>(fam.suivante);
    }
    return liste;
}

std::vector<ConjointPossible> conjointsDistincts(const BaseGenealogique& base, std::uint32_t personne) {
    std::vector<ConjointPossible> distincts;
    for (const ConjointPossible& c : conjointsPossibles(base, personne))
        if (std::none_of(distincts.begin(), distincts.end(),
                         [&c](const ConjointPossible& d) { return d.conjoint == c.conjoint; }))
            distincts.push_back(c);
    return distincts;
}

std::vector<std::string> libellesConjoints(const ContexteDocument& contexte,
                                           const std::vector<ConjointPossible>& conjoints) {
    SelectionPersonne noms(contexte);
    std::vector<std::string> libelles;
    libelles.reserve(conjoints.size());
    for (const ConjointPossible& c : conjoints)
        libelles.push_back(noms.nomDe(c.conjoint) + " " + noms.prenomsDe(c.conjoint));
    auto distinguer = [&libelles](auto ajout) {
        const std::vector<std::string> avant = libelles;
        for (std::size_t i = 0; i < avant.size(); ++i)
            if (std::count(avant.begin(), avant.end(), avant[i]) > 1) libelles[i] += ajout(i);
    };
    distinguer([&](std::size_t i) { return ", " + texteNaissance(*contexte.base, conjoints[i].conjoint); });
    distinguer([&](std::size_t i) { return " (n° "_1252 + std::to_string(conjoints[i].conjoint) + ")"; });
    return libelles;
}

std::size_t rangDuConjoint(const std::vector<ConjointPossible>& conjoints, std::uint32_t conjointCourant) {
    for (std::size_t i = 0; i < conjoints.size(); ++i)
        if (conjoints[i].conjoint == conjointCourant) return i;
    return 0;
}

std::optional<ConjointPossible> familleDuCoupleChoisi(const ContexteDocument& contexte, std::uint32_t racine,
                                                      std::int32_t conjoint) {
    if (contexte.base->LireIndividu(racine).premiereFamille == 0) {
        contexte.signaler("La racine de l'arbre n'a aucun conjoint connu");
        return std::nullopt;
    }
    if (conjoint <= 0) {
        SelectionPersonne noms(contexte);
        contexte.signaler(noms.nomDe(racine) + " " + noms.prenomsDe(racine) + " n'a aucun conjoint connu");
        return std::nullopt;
    }
    for (const ConjointPossible& c : conjointsPossibles(*contexte.base, racine))
        if (c.conjoint == static_cast<std::uint32_t>(conjoint)) return c;
    contexte.signaler("La famille n'existe plus dans le fichier Gedcom");
    return std::nullopt;
}

}  // namespace lignara
