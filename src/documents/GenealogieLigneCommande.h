#pragma once
// Fichier GEDCOM ouvert pour une commande sans fenêtre : le même FichierOuvert que la fenêtre
// (réglages du fichier, import, index des noms, tables dérivées), sans surveillance, plus les
// identifiants GEDCOM des personnes (un seul fichier) pour les désigner sur la ligne de commande.
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "documents/IdentifiantsPersonnes.h"
#include "session/FichierOuvert.h"

namespace lignara {

class GenealogieLigneCommande {
public:
    // Lève OperationImpossible comme l'ouverture de la fenêtre quand le fichier ne peut pas être
    // lu. Des préférences, la « casse automatique » des noms et le « Pays par défaut » des lieux
    // importés, comme la fenêtre ; sans elles, les noms tels quels et la France.
    explicit GenealogieLigneCommande(const std::filesystem::path& fichier, const Configuration* preferences = nullptr);

    const BaseGenealogique& base() const { return fichier_.base(); }
    const IndexNoms& noms() const { return fichier_.indexNoms(); }
    const IndexPhonetique& phonetique() const { return fichier_.indexPhonetique(); }
    FichierOuvert& fichier() { return fichier_; }
    const IdentifiantsPersonnes& identifiants() const { return identifiants_; }

    // Voir resoudrePersonne (ReferenceLigneCommande.h) ; texte en Windows-1252.
    std::uint32_t personne(std::string_view texte) const;

private:
    FichierOuvert fichier_;
    IdentifiantsPersonnes identifiants_;
};

}  // namespace lignara
