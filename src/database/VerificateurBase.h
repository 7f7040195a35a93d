#pragma once
// Vérificateur de cohérence d'une base de travail écrite : ce que toute lecture suppose et que
// le format seul ne garantit pas. Sert aux tests de l'import et à l'examen d'une base gardée.
//
// Contrôles : anneaux de fratrie fermés et de mêmes parents ; parents existants et distincts
// de la personne ; chaînes de familles fermées sur leur première fiche, sans répétition ;
// chaque fiche atteinte par une seule chaîne, les autres tout à zéro ; fiches jumelles d'un
// couple qui se désignent l'une l'autre avec les mêmes enfants et événements ; premier enfant
// dont le père ou la mère est le conjoint de la fiche ; numéros d'événements dans la table et
// utilisés une fois ; réf. de chaînes au début d'une chaîne de leur table ; blocs de notes au
// début d'un bloc ; aucune boucle d'ascendance.
#include <filesystem>
#include <string>
#include <vector>

namespace lignara {

class VerificateurBase {
public:
    // Rend la liste des défauts (vide : base cohérente), au plus `maximum` messages.
    static std::vector<std::string> verifier(const std::filesystem::path& chemin, std::size_t maximum = 50);
};

}  // namespace lignara
