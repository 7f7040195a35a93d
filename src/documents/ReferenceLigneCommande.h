#pragma once
// Désignation d'une personne sur la ligne de commande, texte Windows-1252 :
//   « @I52@ »                     l'identifiant GEDCOM (import d'un seul fichier) ;
//   « Victoria /Hanover/ »        les noms tels que le fichier les écrit (prénoms, nom entre '/') ;
//   « Victoria /Hanover/ 24/05/1819 » ou « … 1819 » : la date de naissance départage des homonymes.
// Les noms se comparent par les clés de l'index des noms (capitales, accents et ponctuation
// ignorés). Des homonymes sans date, une personne introuvable : OperationImpossible, avec la
// liste des homonymes et de quoi les départager.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"
#include "documents/IdentifiantsPersonnes.h"

namespace lignara {

struct ReferenceLigneCommande {
    std::string identifiant;  // sans les '@' ; vide quand la personne est donnée par ses noms
    std::string nom;
    std::string prenoms;
    bool dateDonnee = false;
    std::uint8_t jour = 0, mois = 0;  // 0 : inconnu
    std::int16_t annee = 0;

    // OperationImpossible quand le texte n'a ni identifiant ni noms, ou une date illisible.
    static ReferenceLigneCommande lire(std::string_view texte);
};

// identifiants : nul quand la base ne vient pas d'un import à fichier unique.
std::uint32_t resoudrePersonne(std::string_view texte, const BaseGenealogique& base, const IndexNoms& index,
                               const IdentifiantsPersonnes* identifiants);

// « Marie MARTIN, né(e) 3.3.1901 (@I52@) » : de quoi désigner la personne sans ambiguïté dans une
// liste de choix (homonymes, conjoints) ; l'identifiant seulement quand il est connu.
std::string presentationPersonne(const BaseGenealogique& base, std::uint32_t personne,
                                 const IdentifiantsPersonnes* identifiants);

}  // namespace lignara
