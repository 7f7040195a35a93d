#pragma once
// Entrées de la liste des branches : chaque tête de branche de la base (TetesDeBranche) une
// seule fois, avec ses conjoints qui sont aussi têtes de branche, quel que soit le nombre de
// ses unions ; puis le nombre de ses descendants et de générations sous elle.
//
// Descendants d'une entrée : les personnes distinctes qui descendent de l'une de ses personnes,
// chacune comptée une fois même atteinte par plusieurs lignées (enfants de cousins mariés) ou
// par les deux membres du couple. Générations : la plus grande profondeur de descendance de ses
// personnes (GrapheParente, option 1 ; 255 au plus).
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara {

struct EntreeBranche {
    std::uint32_t debut = 0;   // première personne dans BranchesConstruites::personnes
    std::uint32_t nombre = 0;  // la tête, puis ses conjoints têtes de branche
    std::uint32_t descendants = 0;
    std::uint32_t generations = 0;
    std::int16_t anneeNaissance = 9999;  // de la tête ; 9999 : aucune estimation
};

struct BranchesConstruites {
    std::vector<std::uint32_t> personnes;  // celles des entrées, à la suite
    std::vector<EntreeBranche> entrees;    // par numéro croissant de leur tête

    std::span<const std::uint32_t> personnesDe(const EntreeBranche& e) const {
        return std::span<const std::uint32_t>(personnes).subspan(e.debut, e.nombre);
    }
};

// Des liens de parenté en boucle : OperationImpossible avec le message du graphe de parenté.
BranchesConstruites construireBranches(const BaseGenealogique& base);

enum class TriBranches : std::uint8_t { Patronyme = 0, Date = 1, Generations = 2, Descendants = 3 };

// Tri stable : par le nom de la tête (octets), par année estimée croissante, par générations
// ou descendants décroissants ; à égalité, par nom puis par numéro de la tête.
void trierBranches(BranchesConstruites& branches, TriBranches tri,
                   const std::function<std::string_view(std::uint32_t)>& nom);

}  // namespace lignara
