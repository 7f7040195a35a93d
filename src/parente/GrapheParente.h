#pragma once
// Graphe de parenté de toute la base : un nœud par personne (1 à N), puis un nœud par couple
// qui a des enfants, et, sur demande, un nœud par union sans enfant. Arêtes : père → couple,
// mère → couple, couple → chaque enfant dans l'ordre de la fratrie ; une union sans enfant a le
// mari puis la femme pour prédécesseurs et aucun successeur.
//
// Niveau d'un nœud : longueur du plus long chemin descendant qui en part (les couples prennent
// les niveaux impairs : le niveau d'une personne divisé par deux est son nombre de générations
// de descendants). Des liens de parenté en boucle lèvent OperationImpossible avec la liste des
// personnes de la boucle et de leurs ascendants (20 au plus).
//
// Construit en un appel (construireGrapheParente) ; le graphe n'est gardé qu'avec l'option 8.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"
#include "parente/Consanguinite.h"

namespace lignara {

enum OptionGrapheParente : unsigned {
    GrapheProfondeurs = 1,     // générations de descendants, un octet par personne
    GrapheConsanguinites = 2,  // cas de consanguinité
    GrapheDescendants = 4,     // nombre de descendants distincts des têtes de branche
    GrapheConserver = 8,       // garder le graphe après la construction
    GrapheApparitions = 16,    // unions sans enfant, et apparitions parmi les ascendants de la racine
};

struct ParametresGrapheParente {
    unsigned options = 0;
    std::uint32_t racine = 0;  // option 16
    // Option 4 : personnes dont on compte les descendants ; vide : les têtes de branche de la base.
    EnsemblePersonnes descendantsDe;
    // Années de naissance estimées par personne (9999 : aucune), pour l'ordre des lignées des
    // cas de consanguinité ; vide : les lignées restent dans l'ordre de la recherche.
    std::vector<std::int16_t> anneesNaissance;
};

// Nombre de fois qu'un ascendant paraît dans l'arbre de la racine (chemins distincts).
struct ApparitionAscendant {
    std::uint32_t personne = 0;
    std::uint32_t nombre = 0;  // plafonné à 4 294 967 295
};

class GrapheParente;

struct ResultatGrapheParente {
    std::vector<std::uint8_t> profondeurs;      // option 1 : par personne (indice 0 inutilisé), 255 au plus
    std::vector<Consanguinite> consanguinites;  // option 2
    // Option 4 : par personne (indice 0 inutilisé), pour les personnes demandées, 0 pour les
    // autres ; chaque descendant compté une fois, quel que soit le nombre de lignées qui y mènent.
    std::vector<std::uint32_t> descendants;
    std::vector<ApparitionAscendant> apparitions;  // option 16 : par numéro croissant, racine exclue
    std::unique_ptr<GrapheParente> graphe;         // option 8
};

// Option 2 sans aucun cas : OperationImpossible(« Le fichier ne contient aucun lien de parenté
// consanguin »).
ResultatGrapheParente construireGrapheParente(const BaseGenealogique& base, const ParametresGrapheParente& p);

class GrapheParente {
public:
    GrapheParente(const BaseGenealogique& base, bool unions);

    std::uint32_t nombrePersonnes() const { return personnes_; }
    std::uint32_t nombreNoeuds() const { return static_cast<std::uint32_t>(niveaux_.size() - 1); }
    bool estPersonne(std::uint32_t noeud) const { return noeud >= 1 && noeud <= personnes_; }

    std::span<const std::uint32_t> predecesseurs(std::uint32_t noeud) const {
        return {aretes_.data() + debut_[noeud], nombrePred_[noeud]};
    }
    std::span<const std::uint32_t> successeurs(std::uint32_t noeud) const {
        return {aretes_.data() + debut_[noeud] + nombrePred_[noeud],
                debut_[noeud + 1] - debut_[noeud] - nombrePred_[noeud]};
    }
    std::int32_t niveau(std::uint32_t noeud) const { return niveaux_[noeud]; }
    // Nœuds du bas vers le haut, vague après vague ; puis nombre de feuilles (vague 0).
    const std::vector<std::uint32_t>& ordre() const { return ordre_; }
    std::uint32_t nombreFeuilles() const { return feuilles_; }
    // Parents d'un nœud de couple ou d'union (0 : inconnu).
    std::uint32_t pere(std::uint32_t noeud) const { return parentsCouple_[2 * std::size_t{noeud - personnes_ - 1}]; }
    std::uint32_t mere(std::uint32_t noeud) const {
        return parentsCouple_[2 * std::size_t{noeud - personnes_ - 1} + 1];
    }

    // Range les nœuds par vagues et calcule les niveaux ; lève OperationImpossible sur une boucle.
    void ordonner(const BaseGenealogique& base);

private:
    void creerCouples(const BaseGenealogique& base, const std::vector<std::int32_t>& fratries,
                      const std::vector<std::uint32_t>& peres, const std::vector<std::uint32_t>& meres);
    void creerUnions(const BaseGenealogique& base, const std::vector<std::uint8_t>& sexes);
    void relier(const std::vector<std::uint32_t>& couplesEnfants, const std::vector<std::uint32_t>& debutsEnfants);
    [[noreturn]] void signalerBoucle(const BaseGenealogique& base, const std::vector<std::uint32_t>& restants) const;

    std::uint32_t personnes_ = 0;
    std::vector<std::uint32_t> parentsCouple_;  // père, mère de chaque couple puis union
    std::vector<std::uint32_t> coupleDe_;       // nœud du couple des parents de chaque personne
    std::uint32_t couples_ = 0;
    std::vector<std::uint32_t> debut_;  // début des arêtes de chaque nœud (+ une fin)
    std::vector<std::uint32_t> nombrePred_;
    std::vector<std::uint32_t> aretes_;
    std::vector<std::int32_t> niveaux_;
    std::vector<std::uint32_t> ordre_;
    std::uint32_t feuilles_ = 0;
    // Enfants de chaque couple dans l'ordre de la fratrie, à plat.
    std::vector<std::uint32_t> enfants_;
    std::vector<std::uint32_t> debutEnfants_;
};

}  // namespace lignara
