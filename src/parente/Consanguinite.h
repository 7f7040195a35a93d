#pragma once
// Cas de consanguinité : deux lignées qui descendent séparément d'un même sommet (une personne,
// ou un couple) et se rejoignent dans le couple d'une base, dont les enfants sont consanguins.
#include <cstdint>
#include <vector>

namespace lignara {

struct Consanguinite {
    std::uint32_t sommet = 0;                   // personne ; pour un couple, son père (ou son seul parent)
    std::uint32_t conjointsSommet[2] = {0, 0};  // co-parent par lequel chaque lignée descend
    std::vector<std::uint32_t> lignes[2];       // de juste sous le sommet jusqu'au couple de la base
    std::uint32_t base = 0;                     // premier enfant du couple de la base (0 : sans enfant)
    std::uint8_t nombreBase = 0;                // enfants de ce couple (255 au plus)

    // Somme des longueurs des deux lignées.
    std::size_t degre() const { return lignes[0].size() + lignes[1].size(); }
    void echangerLignes();
};

enum class TriConsanguinites {
    Degre,       // « Degré de consanguinité »
    DateSommet,  // « Date du sommet de la consanguinité »
    DateBase,    // « Date de la base de la consanguinité »
};

// Ordre fixe des deux lignées d'un cas : un seul conjoint de sommet connu va en seconde
// lignée ; sinon une première lignée vide, ou dont la première personne est née (année
// estimée) après celle de la seconde, passe en second. annees : par personne, 9999 inconnue.
void ordonnerLignes(Consanguinite& cas, const std::vector<std::int16_t>& annees);

// Tri croissant et stable sur l'une des trois clés. Degré : deux fois le degré, plus 1 quand
// les deux conjoints du sommet diffèrent. Dates : année de naissance estimée du sommet ou de
// la base (9999 : inconnue, donc en fin de liste).
void trierConsanguinites(std::vector<Consanguinite>& cas, TriConsanguinites cle,
                         const std::vector<std::int16_t>& annees);

}  // namespace lignara
