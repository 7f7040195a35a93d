#pragma once
// Identifiants GEDCOM des personnes d'un import à fichier unique (« @I52@ »). L'import numérote
// les personnes gardées dans l'ordre de leurs clés ; on relève ces clés juste après le balayage
// (crochet apresBalayage de l'import), dans le même ordre, avec le décalage de chaque
// enregistrement, que la base garde aussi : la correspondance se vérifie à chaque emploi.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/BaseGenealogique.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {

class IdentifiantsPersonnes {
public:
    // À appeler depuis OptionsImport::apresBalayage, après tout autre tri des personnes.
    void retenir(const RegistresBalayage& registres);

    // Numéro de la personne d'identifiant « @I52@ » (les '@' sont facultatifs), 0 si inconnu.
    // OperationImpossible quand la base ne correspond pas aux clés relevées.
    std::uint32_t numero(const BaseGenealogique& base, std::string_view identifiant) const;
    // « @I52@ », ou vide quand le numéro n'a pas de clé relevée.
    std::string identifiant(std::uint32_t numero) const;

private:
    struct Cle {
        std::string octets;  // clé d'enregistrement : indice du fichier + 1, référence sans le premier '@'
        std::uint64_t decalage = 0;
    };
    std::vector<Cle> cles_;  // la personne n à l'indice n − 1, clés croissantes
};

}  // namespace lignara
