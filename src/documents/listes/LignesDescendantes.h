#pragma once
// Lignes de la liste descendante : chaque personne sur une ligne, suivie de chacune de ses
// unions (ligne de mariage, ligne du conjoint) et, sous chaque union, de ses enfants, et ainsi
// de suite. Le parcours est fait avec une pile à nous : une descendance de cent mille
// générations ne fait pas déborder la pile du programme.
//
// Sous une union, les enfants sont remplacés par « ... » (coupée) quand la personne ou ce
// conjoint est coupé, que la limite de générations est atteinte, que la liste est agnatique et
// la personne pas un homme, ou que les contemporains sont cachés et le premier enfant vivant ;
// par « >> » (déjà listée) quand les enfants de ce couple ont déjà été listés — sous l'un ou
// l'autre conjoint — et que les branches doubles ne sont pas montrées. Un couple n'est marqué
// listé que quand ses enfants le sont vraiment : un « >> » mène toujours à des enfants.
//
// Reports : une personne reportée (elle-même, ou le conjoint d'une de ses unions) laisse une
// ligne « qui suit en N » ; sa descendance forme la section N, après la liste principale, sous
// deux lignes vides, l'en-tête N et une ligne vide.
//
// Garde-fous : un enfant qui est déjà sur le chemin qui mène à lui (lien en boucle) n'est pas
// suivi ; au-delà de lignesMax lignes, la liste s'arrête (branches doubles très mêlées).
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"

namespace lignara {

enum class SorteLigneListe : std::uint8_t {
    Personne = 0,
    Mariage = 1,
    Conjoint = 2,
    RenvoiReport = 3,
    EnTeteReport = 4,
    DejaListee = 5,
    Coupee = 6,
    Blanche = 7,
};

inline constexpr std::uint32_t kAucuneLigne = 0xFFFFFFFF;

struct LigneListe {
    SorteLigneListe sorte = SorteLigneListe::Blanche;
    bool attacheParente = false;           // le raccord part de la ligne de la personne parente
    bool cible = false;                    // un « >> » y renvoie : elle porte une ancre
    bool ancreReport = false;              // premier renvoi de ce report : il porte l'ancre du retour
    std::uint32_t generation = 0;          // 1 pour la racine
    std::uint32_t rang = 0;                // rang parmi les enfants, lettre 'a' pour 0
    std::uint32_t personne = 0;            // personne ; numéro du report pour un en-tête
    std::uint32_t valeur = 0;              // mariage : événement ; renvoi : numéro du report ;
                                           // déjà listée : ligne qui a listé les enfants
    std::uint32_t attache = kAucuneLigne;  // ligne d'où descend le raccord de celle-ci
};

struct EntreeReport {
    std::uint32_t cle = 0;       // personne reportée
    std::uint32_t personne = 0;  // personne dont la section reprend
    std::uint32_t generation = 1;
    std::uint32_t rang = 0;
};

struct ReglesDescendantes {
    const BaseGenealogique* base = nullptr;
    std::uint32_t racine = 0;
    bool agnatique = false;
    bool mariages = true;          // bit 16 des données affichées
    bool doublesBranches = false;  // « pour les branches descendantes »
    const EnsemblePersonnes* coupes = nullptr;
    std::uint32_t limiteGenerations = 0;  // 0 : aucune
    const EnsemblePersonnes* reports = nullptr;
    const std::vector<char>* statutsVitaux = nullptr;  // contemporains cachés : 'v' vivant
    std::uint64_t lignesMax = 0;                       // 0 : 8 × personnes, au moins un million
};

struct ListeDescendanteConstruite {
    std::vector<LigneListe> lignes;
    std::vector<EntreeReport> reports;  // entrée 0 : la racine
    bool boucle = false;
    bool limitee = false;
};

ListeDescendanteConstruite construireListeDescendante(const ReglesDescendantes& regles);

// Nettoyage : retire les lignes de mariage dont le texte est vide (ni date ni lieu montrés) et
// renumérote les renvois entre lignes.
template <class TexteVide>
void retirerMariagesVides(ListeDescendanteConstruite& liste, TexteVide&& texteVide);

// Lettre de rang : 'a' à 'z', 'A' à 'Z', puis deux lettres et plus « AA », « AB »… « ZZ », « AAA ».
std::string lettreDeRang(std::uint32_t rang);

// Génération de base de chaque ligne : 1 dans la liste principale, celle de la personne qui
// ouvre sa section dans un report.
std::vector<std::uint32_t> generationsDeBase(const std::vector<LigneListe>& lignes);

template <class TexteVide>
void retirerMariagesVides(ListeDescendanteConstruite& liste, TexteVide&& texteVide) {
    std::vector<LigneListe>& lignes = liste.lignes;
    std::vector<std::uint32_t> nouvelle(lignes.size(), kAucuneLigne);
    std::size_t n = 0;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].sorte == SorteLigneListe::Mariage && texteVide(lignes[i].valeur)) continue;
        nouvelle[i] = static_cast<std::uint32_t>(n);
        lignes[n++] = lignes[i];
    }
    lignes.resize(n);
    for (LigneListe& l : lignes) {
        if (l.attache != kAucuneLigne) l.attache = nouvelle[l.attache];
        if (l.sorte == SorteLigneListe::DejaListee) l.valeur = nouvelle[l.valeur];
    }
}

}  // namespace lignara
