#include "commun/MetriquePolice.h"

namespace lignara {

std::int32_t largeurTexte(const MetriquePolice& police, std::string_view texte1252) {
    std::int64_t somme = 0;
    for (char c : texte1252) somme += police.largeurs[static_cast<unsigned char>(c)];
    return static_cast<std::int32_t>(somme / 100);
}

}  // namespace lignara
