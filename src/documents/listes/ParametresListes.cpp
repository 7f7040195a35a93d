#include "documents/listes/ParametresListes.h"

#include "commun/Texte.h"

namespace lignara {

std::string messageBoucleListe() {
    return "Des liens de parenté forment une boucle (une personne serait sa propre ascendante) : "
           "la liste ne la suit pas.\n(corriger le fichier, puis recommencez)"_1252;
}

std::string messageListeLimitee(std::uint64_t lignes, std::uint32_t generation) {
    return "La liste est limitée à "_1252 + std::to_string(lignes) + " lignes : elle s'arrête avant la "_1252 +
           std::to_string(generation) + "° génération."_1252;
}

}  // namespace lignara
