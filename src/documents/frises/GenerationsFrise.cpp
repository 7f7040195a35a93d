#include "documents/frises/GenerationsFrise.h"

#include <span>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/Parente.h"
#include "parente/NomAffiche.h"

namespace lignara {

namespace {

constexpr std::size_t kNomsDansLeMessage = 20;

[[noreturn]] void signalerBoucle(const BaseGenealogique& base, const std::vector<std::uint32_t>& derniers) {
    std::string message =
        "Opération impossible car les personnes suivantes forment une boucle infinie de liens de parenté :\n"_1252;
    for (std::size_t i = 0; i < derniers.size() && i < kNomsDansLeMessage; ++i)
        message += "- " + nomAffiche(base, derniers[i]) + "\n";
    message += "(corriger le fichier, puis recommencez)";
    throw OperationImpossible(message);
}

class Collecte {
public:
    Collecte(const BaseGenealogique& base, const ReglesGenerations& regles)
        : base_(base), regles_(regles), n_(base.nombreIndividus()), prises_(n_), dansGeneration_(n_) {}

    Generations collecter(const std::vector<std::uint32_t>& racines) {
        Generations g;
        g.multiples = EnsemblePersonnes(n_);
        std::vector<std::uint32_t> courante;
        for (std::uint32_t r : racines) prendre(r, courante, true);
        std::vector<int> derniere(std::size_t{n_} + 1, -1);  // dernière génération de chaque personne
        while (!courante.empty()) {
            const int rang = static_cast<int>(g.membres.size());
            // Les conjoints ajoutés ne mènent pas plus loin : leurs enfants avec le descendant
            // viennent par lui, les autres ne sont pas des descendants.
            const std::size_t lignee = courante.size();
            if (regles_.conjoints) ajouterConjoints(courante);
            for (std::uint32_t p : courante) {
                if (derniere[p] >= 0 && derniere[p] != rang) g.multiples.ajouter(p);
                derniere[p] = rang;
            }
            if (!regles_.uneFoisChacune)
                for (std::uint32_t p : courante) dansGeneration_.retirer(p);
            g.membres.push_back(std::move(courante));
            if (regles_.limite != ReglesGenerations::kSansLimite && rang >= regles_.limite) break;
            if (g.membres.size() > std::size_t{n_} + 1) signalerBoucle(base_, g.membres.back());
            courante = suivante(std::span(g.membres.back()).first(lignee));
        }
        return g;
    }

private:
    // Vrai quand la personne entre dans la génération en construction.
    bool prendre(std::uint32_t p, std::vector<std::uint32_t>& generation, bool racine = false) {
        if (p == 0 || p > n_) return false;
        if (!racine && regles_.coupes && regles_.coupes->contient(p)) return false;
        EnsemblePersonnes& vues = regles_.uneFoisChacune ? prises_ : dansGeneration_;
        if (vues.contient(p)) return false;
        vues.ajouter(p);
        generation.push_back(p);
        return true;
    }

    std::vector<std::uint32_t> suivante(std::span<const std::uint32_t> lignee) {
        std::vector<std::uint32_t> s;
        for (std::uint32_t p : lignee) {
            if (regles_.sens == SensGenerations::Ascendants) {
                const ParentsPersonne parents = Parents(base_, p);
                prendre(parents.pere, s);
                prendre(parents.mere, s);
            } else {
                for (const FamilleConjoint& f : Conjoints(base_, p))
                    for (std::uint32_t e : Enfants(base_, f.fiche)) prendre(e, s);
            }
        }
        return s;
    }

    // Conjoints des membres, après eux, chacun une fois par génération.
    void ajouterConjoints(std::vector<std::uint32_t>& generation) {
        const std::size_t membres = generation.size();
        for (std::size_t i = 0; i < membres; ++i)
            for (const FamilleConjoint& f : Conjoints(base_, generation[i])) prendre(f.conjoint, generation, true);
    }

    const BaseGenealogique& base_;
    const ReglesGenerations& regles_;
    const std::uint32_t n_;
    EnsemblePersonnes prises_;          // une fois chacune : déjà dans une génération
    EnsemblePersonnes dansGeneration_;  // par génération : déjà dans celle qu'on construit
};

}  // namespace

std::size_t Generations::nombrePersonnes() const {
    std::size_t n = 0;
    for (const auto& g : membres) n += g.size();
    return n;
}

Generations collecterGenerations(const BaseGenealogique& base, const std::vector<std::uint32_t>& racines,
                                 const ReglesGenerations& regles) {
    return Collecte(base, regles).collecter(racines);
}

}  // namespace lignara
