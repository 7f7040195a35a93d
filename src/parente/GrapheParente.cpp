#include "parente/GrapheParente.h"

#include <algorithm>
#include <limits>
#include <string>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "database/Parente.h"
#include "parente/BoucleAscendance.h"
#include "parente/CasConsanguinite.h"
#include "parente/NomAffiche.h"
#include "parente/RechercheBoucles.h"

namespace lignara {

namespace {

constexpr std::size_t kNomsDansLeMessageDeBoucle = 20;

[[noreturn]] void corrompue() { throw DonneesCorrompues("Anneau de fratrie rompu"_1252); }

// Nombre de descendants distincts : chacun compté une fois, même atteint par plusieurs
// lignées (une somme sur les enfants compterait deux fois les enfants de cousins mariés).
// Parcours marqué depuis chaque personne demandée ; le compter pour toutes coûterait la somme
// des nombres d'ascendants de toute la base, trop pour un gros fichier très mêlé.
std::vector<std::uint32_t> compterDescendants(const GrapheParente& g, const EnsemblePersonnes& demandees) {
    std::vector<std::uint32_t> resultat(std::size_t{g.nombrePersonnes()} + 1, 0);
    std::vector<std::uint32_t> vu(std::size_t{g.nombreNoeuds()} + 1, 0);
    std::vector<std::uint32_t> pile;
    for (std::uint32_t p = 1; p <= g.nombrePersonnes(); ++p) {
        if (!demandees.contient(p) || g.successeurs(p).empty()) continue;
        std::uint32_t compte = 0;
        pile.assign(1, p);
        vu[p] = p;
        while (!pile.empty()) {
            std::uint32_t n = pile.back();
            pile.pop_back();
            for (std::uint32_t s : g.successeurs(n)) {
                if (vu[s] == p) continue;
                vu[s] = p;
                if (g.estPersonne(s)) ++compte;
                pile.push_back(s);
            }
        }
        resultat[p] = compte;
    }
    return resultat;
}

// Chemins distincts de la racine à chacun de ses ascendants : l'ordre va du bas vers le haut,
// chaque nœud passe son compte à ses prédécesseurs après avoir reçu ceux de tous ses successeurs.
std::vector<ApparitionAscendant> compterApparitions(const GrapheParente& g, std::uint32_t racine) {
    std::vector<ApparitionAscendant> resultat;
    if (!g.estPersonne(racine)) return resultat;
    std::vector<std::uint64_t> chemins(std::size_t{g.nombreNoeuds()} + 1, 0);
    chemins[racine] = 1;
    constexpr std::uint64_t plafond = std::numeric_limits<std::uint32_t>::max();
    for (std::uint32_t n : g.ordre()) {
        if (chemins[n] == 0) continue;
        for (std::uint32_t q : g.predecesseurs(n)) chemins[q] = std::min(plafond, chemins[q] + chemins[n]);
    }
    for (std::uint32_t p = 1; p <= g.nombrePersonnes(); ++p)
        if (p != racine && chemins[p] != 0) resultat.push_back({p, static_cast<std::uint32_t>(chemins[p])});
    return resultat;
}

}  // namespace

GrapheParente::GrapheParente(const BaseGenealogique& base, bool unions) : personnes_(base.nombreIndividus()) {
    std::vector<std::uint32_t> peres(std::size_t{personnes_} + 1), meres(std::size_t{personnes_} + 1);
    std::vector<std::int32_t> fratries(std::size_t{personnes_} + 1);
    std::vector<std::uint8_t> sexes(std::size_t{personnes_} + 1);
    for (std::uint32_t p = 1; p <= personnes_; ++p) {
        Individu i = base.LireIndividu(p);
        if (i.pere > personnes_ || i.mere > personnes_) throw DonneesCorrompues("Parent inexistant"_1252);
        peres[p] = i.pere;
        meres[p] = i.mere == i.pere ? 0 : i.mere;
        fratries[p] = i.fratrie;
        sexes[p] = i.sexe;
    }
    creerCouples(base, fratries, peres, meres);
    if (unions) creerUnions(base, sexes);
    relier(enfants_, debutEnfants_);
}

// Un nœud par couple qui a des enfants, créé au premier enfant rencontré ; il prend tous les
// enfants de l'anneau de fratrie, à partir du premier.
void GrapheParente::creerCouples(const BaseGenealogique&, const std::vector<std::int32_t>& fratries,
                                 const std::vector<std::uint32_t>& peres, const std::vector<std::uint32_t>& meres) {
    coupleDe_.assign(std::size_t{personnes_} + 1, 0);
    debutEnfants_.assign(1, 0);
    std::vector<std::uint32_t> anneau;
    for (std::uint32_t p = 1; p <= personnes_; ++p) {
        if ((peres[p] == 0 && meres[p] == 0) || coupleDe_[p] != 0) continue;
        anneau.clear();
        std::size_t premier = 0;
        for (std::uint32_t n = p;;) {
            if (anneau.size() >= personnes_) corrompue();
            anneau.push_back(n);
            std::int32_t lien = fratries[n];
            std::int64_t suivant = lien < 0 ? -static_cast<std::int64_t>(lien) : lien;
            if (suivant == 0 || suivant > personnes_) corrompue();
            if (lien < 0) premier = anneau.size();  // le suivant est le premier enfant
            if (static_cast<std::uint32_t>(suivant) == p) break;
            n = static_cast<std::uint32_t>(suivant);
        }
        if (premier >= anneau.size()) premier = 0;
        std::rotate(anneau.begin(), anneau.begin() + static_cast<std::ptrdiff_t>(premier), anneau.end());
        std::uint32_t noeud = personnes_ + ++couples_;
        parentsCouple_.push_back(peres[p]);
        parentsCouple_.push_back(meres[p]);
        for (std::uint32_t e : anneau) {
            if (coupleDe_[e] != 0 || peres[e] != peres[p] || meres[e] != meres[p]) continue;
            coupleDe_[e] = noeud;
            enfants_.push_back(e);
        }
        debutEnfants_.push_back(static_cast<std::uint32_t>(enfants_.size()));
    }
}

// Un nœud par couple sans enfant, pris depuis la première de ses deux fiches ; le mari d'abord.
void GrapheParente::creerUnions(const BaseGenealogique& base, const std::vector<std::uint8_t>& sexes) {
    for (std::uint32_t p = 1; p <= personnes_; ++p) {
        if (base.LireIndividu(p).premiereFamille == 0) continue;
        for (const FamilleConjoint& f : Conjoints(base, p)) {
            if (f.premierEnfant != 0 || f.conjoint == 0 || f.conjoint > personnes_ || f.conjoint == p) continue;
            std::uint32_t autreFiche = base.LireFamille(f.fiche).ficheDuConjoint;
            if (autreFiche != 0 && autreFiche < f.fiche) continue;
            bool pEstLeMari = sexes[p] == 'M' || sexes[f.conjoint] == 'F';
            parentsCouple_.push_back(pEstLeMari ? p : f.conjoint);
            parentsCouple_.push_back(pEstLeMari ? f.conjoint : p);
            debutEnfants_.push_back(static_cast<std::uint32_t>(enfants_.size()));
        }
    }
}

// Arêtes à plat : pour chaque nœud, ses prédécesseurs puis ses successeurs.
void GrapheParente::relier(const std::vector<std::uint32_t>& enfants, const std::vector<std::uint32_t>& debuts) {
    const std::uint32_t noeuds = personnes_ + static_cast<std::uint32_t>(debuts.size() - 1);
    std::vector<std::uint32_t> total(std::size_t{noeuds} + 2, 0);
    nombrePred_.assign(std::size_t{noeuds} + 1, 0);
    for (std::uint32_t p = 1; p <= personnes_; ++p) nombrePred_[p] = coupleDe_[p] != 0 ? 1 : 0;
    for (std::uint32_t n = personnes_ + 1; n <= noeuds; ++n) {
        std::uint32_t k = n - personnes_ - 1;
        for (std::uint32_t parent : {parentsCouple_[2 * k], parentsCouple_[2 * k + 1]}) {
            if (parent == 0) continue;
            ++nombrePred_[n];
            ++total[parent];
        }
        total[n] = nombrePred_[n] + debuts[k + 1] - debuts[k];
    }
    debut_.assign(std::size_t{noeuds} + 2, 0);
    for (std::uint32_t n = 1; n <= noeuds; ++n)
        debut_[n + 1] = debut_[n] + total[n] + (n <= personnes_ ? nombrePred_[n] : 0);
    aretes_.assign(debut_[noeuds + 1], 0);
    std::vector<std::uint32_t> curseur(debut_.begin(), debut_.end());
    for (std::uint32_t p = 1; p <= personnes_; ++p)
        if (coupleDe_[p] != 0) aretes_[curseur[p]++] = coupleDe_[p];
    for (std::uint32_t n = personnes_ + 1; n <= noeuds; ++n) {
        std::uint32_t k = n - personnes_ - 1;
        for (std::uint32_t parent : {parentsCouple_[2 * k], parentsCouple_[2 * k + 1]}) {
            if (parent == 0) continue;
            aretes_[curseur[n]++] = parent;
            aretes_[curseur[parent]++] = n;
        }
        for (std::uint32_t e = debuts[k]; e < debuts[k + 1]; ++e) aretes_[curseur[n]++] = enfants[e];
    }
    niveaux_.assign(std::size_t{noeuds} + 1, 0);
}

void GrapheParente::ordonner(const BaseGenealogique& base) {
    const std::uint32_t noeuds = nombreNoeuds();
    std::vector<std::uint32_t> restants(std::size_t{noeuds} + 1, 0);
    ordre_.clear();
    ordre_.reserve(noeuds);
    for (std::uint32_t n = 1; n <= noeuds; ++n) {
        restants[n] = static_cast<std::uint32_t>(successeurs(n).size());
        if (restants[n] == 0) ordre_.push_back(n);
    }
    feuilles_ = static_cast<std::uint32_t>(ordre_.size());
    // File : les nœuds d'une vague sont tous traités avant ceux de la suivante, si bien que le
    // niveau de qui entre est celui du nœud en cours plus un.
    for (std::size_t i = 0; i < ordre_.size(); ++i) {
        std::uint32_t n = ordre_[i];
        for (std::uint32_t q : predecesseurs(n)) {
            if (--restants[q] != 0) continue;
            niveaux_[q] = niveaux_[n] + 1;
            ordre_.push_back(q);
        }
    }
    if (ordre_.size() < noeuds) signalerBoucle(base, restants);
}

void GrapheParente::signalerBoucle(const BaseGenealogique& base, const std::vector<std::uint32_t>& restants) const {
    std::vector<std::uint32_t> personnes;
    for (std::uint32_t p = 1; p <= personnes_ && personnes.size() < kNomsDansLeMessageDeBoucle; ++p)
        if (restants[p] != 0) personnes.push_back(p);
    throw OperationImpossible(messageBoucleParente(base, personnes));
}

ResultatGrapheParente construireGrapheParente(const BaseGenealogique& base, const ParametresGrapheParente& p) {
    auto g = std::make_unique<GrapheParente>(base, (p.options & GrapheApparitions) != 0);
    g->ordonner(base);
    ResultatGrapheParente r;
    if (p.options & GrapheProfondeurs) {
        r.profondeurs.assign(std::size_t{g->nombrePersonnes()} + 1, 0);
        for (std::uint32_t n = 1; n <= g->nombrePersonnes(); ++n)
            r.profondeurs[n] = static_cast<std::uint8_t>(std::min(255, g->niveau(n) / 2));
    }
    // Les descendants se comptent par parcours marqués, sans passer par les boucles.
    if (p.options & GrapheConsanguinites) {
        r.consanguinites = casDeConsanguinite(*g, chercherBoucles(*g), p.anneesNaissance);
        if (r.consanguinites.empty())
            throw OperationImpossible("Le fichier ne contient aucun lien de parenté consanguin"_1252);
    }
    if (p.options & GrapheDescendants)
        r.descendants = compterDescendants(*g, p.descendantsDe.nombre() > 0 ? p.descendantsDe : base.TetesDeBranche());
    if (p.options & GrapheApparitions) r.apparitions = compterApparitions(*g, p.racine);
    if (p.options & GrapheConserver) r.graphe = std::move(g);
    return r;
}

}  // namespace lignara
