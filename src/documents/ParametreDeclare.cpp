#include "documents/ParametreDeclare.h"

#include "commun/Texte.h"

namespace lignara {

std::vector<ChoixParametre> ParametreDeclare::listeChoix() const {
    if (choixCalcules) return choixCalcules();
    std::vector<ChoixParametre> liste;
    for (std::size_t i = 0; i < choix.size(); ++i)
        liste.push_back({depuisUtf8(choix[i]), static_cast<std::int64_t>(i)});
    return liste;
}

}  // namespace lignara
