#pragma once
// Entrées de la liste ascendante, en largeur d'abord : la racine porte le numéro 1, le père de
// n le numéro 2n et la mère 2n + 1 ; la liste grandit par sa fin, si bien que les générations
// viennent dans l'ordre et, dans une génération, les numéros croissants.
//
// Les parents d'une entrée ne sont pas ajoutés quand la personne a déjà une première
// occurrence et que les branches doubles ne sont pas montrées, quand elle est coupée, ou quand
// la génération atteint la limite. Une personne déjà rencontrée est un renvoi (« voir n° … »)
// quand les renvois sont demandés.
//
// Garde-fous : avec les branches doubles, une ascendance très mêlée croît sans fin utile et un
// lien en boucle la ferait croître sans fin : la construction s'arrête avant une génération qui
// porterait la liste au-delà de entreesMax, et ne remonte jamais vers une personne qui est déjà
// sur le chemin qui mène à l'entrée. Les numéros ne sont exacts que jusqu'à la 64e génération
// (64 bits) ; les générations sont comptées sur 32 bits.
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"

namespace lignara {

struct EntreeAscendante {
    std::uint32_t personne = 0;
    std::uint32_t generation = 1;
    std::uint64_t sosa = 1;      // exact jusqu'à la génération 64
    std::uint32_t conjoint = 0;  // pour un père : la mère du même enfant
    std::uint32_t mariage = 0;   // événement du mariage de ce couple (0 : aucun)
    std::uint32_t enfant = 0;    // indice + 1 de l'entrée dont c'est le parent (0 : la racine)
    std::uint32_t premiere = 0;  // indice + 1 de la première occurrence (0 : c'est elle)
    bool renvoi = false;         // écrite comme un renvoi à sa première occurrence
    bool ligneMariage = false;   // suivie d'une ligne de mariage (si le texte n'est pas vide)
};

struct ReglesAscendantes {
    const BaseGenealogique* base = nullptr;
    std::uint32_t racine = 0;
    bool renvois = true;           // « Fait un renvoi pour les personnes "doublon" »
    bool doublesBranches = false;  // « pour les branches ascendantes »
    bool mariages = true;          // bit 16 des données affichées
    const EnsemblePersonnes* coupes = nullptr;
    std::uint32_t limiteGenerations = 0;  // 0 : aucune
    std::size_t entreesMax = 500000;
};

struct ListeAscendanteConstruite {
    std::vector<EntreeAscendante> entrees;
    EnsemblePersonnes renvoyees;                    // personnes visées par un « voir n° »
    bool audelaDe64 = false;                        // la dernière génération dépasse 64
    bool limitee = false;                           // arrêtée par entreesMax
    bool boucle = false;                            // un lien en boucle a été écarté
    std::uint32_t premiereGenerationNonListee = 0;  // quand limitee
};

ListeAscendanteConstruite construireListeAscendante(const ReglesAscendantes& regles);

}  // namespace lignara
