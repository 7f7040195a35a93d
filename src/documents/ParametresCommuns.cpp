#include "documents/ParametresCommuns.h"

#include "reference/ChronologieListe.h"

namespace lignara {

std::vector<ChoixParametre> choixChronologies() {
    std::vector<ChoixParametre> choix;
    const ChronologieListe liste = ChronologieListe::livree();
    for (const ChronologieListe::Entree& e : liste.entrees()) choix.push_back({e.nom, 0});
    return choix;
}

}  // namespace lignara
