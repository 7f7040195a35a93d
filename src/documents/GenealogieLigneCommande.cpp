#include "documents/GenealogieLigneCommande.h"

#include "documents/ReferenceLigneCommande.h"

namespace lignara {

GenealogieLigneCommande GenealogieLigneCommande::ouvrir(const std::filesystem::path& fichier) {
    GenealogieLigneCommande g;
    OptionsImport options;
    options.apresBalayage = [&g](RegistresBalayage& r) { g.identifiants.retenir(r); };
    g.import = ImporterGedcom(fichier, options);
    g.index = construireIndexDesNoms(g.import.base);
    return g;
}

std::uint32_t GenealogieLigneCommande::personne(std::string_view texte) const {
    return resoudrePersonne(texte, import.base, index.noms, &identifiants);
}

}  // namespace lignara
