#pragma once
// Fichier GEDCOM ouvert pour une commande sans fenêtre : import, index des noms et identifiants
// GEDCOM des personnes (un seul fichier), de quoi désigner des personnes sur la ligne de commande.
#include <filesystem>
#include <string_view>

#include "database/IndexDesNoms.h"
#include "documents/IdentifiantsPersonnes.h"
#include "gedcom/ImporterGedcom.h"

namespace lignara {

struct GenealogieLigneCommande {
    ResultatImport import;
    IndexDesNoms index;
    IdentifiantsPersonnes identifiants;

    // Lève OperationImpossible comme l'import quand le fichier ne peut pas être lu.
    static GenealogieLigneCommande ouvrir(const std::filesystem::path& fichier);
    // Voir resoudrePersonne (ReferenceLigneCommande.h) ; texte en Windows-1252.
    std::uint32_t personne(std::string_view texte) const;
};

}  // namespace lignara
