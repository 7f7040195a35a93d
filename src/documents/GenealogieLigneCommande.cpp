#include "documents/GenealogieLigneCommande.h"

#include "commun/Dossiers.h"
#include "documents/ReferenceLigneCommande.h"
#include "session/DemarrageDossierSortie.h"

namespace lignara {

GenealogieLigneCommande::GenealogieLigneCommande(const std::filesystem::path& fichier, const Configuration* preferences)
    : fichier_(dossierConfiguration(), dossierSortieDuProgramme()) {
    OptionsOuverture options;
    options.surveiller = false;
    options.apresBalayage = [this](RegistresBalayage& r) { identifiants_.retenir(r); };
    if (preferences) {
        options.casseAutomatique = preferences->casseAutomatique;
        options.paysParDefaut = paysDesPreferences(*preferences);
    }
    fichier_.ouvrir(fichier, options);
}

std::uint32_t GenealogieLigneCommande::personne(std::string_view texte) const {
    return resoudrePersonne(texte, fichier_.base(), fichier_.indexNoms(), &identifiants_);
}

}  // namespace lignara
