#include "shell/Demarrage.h"

#include <algorithm>
#include <utility>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "shell/DemarrageDossierSortie.h"

namespace lignara {

namespace fs = std::filesystem;

Demarrage Demarrage::demarrer() {
    return demarrer(dossierConfigurationAccessible(), dossierSortieDuProgramme());
}

Demarrage Demarrage::demarrer(fs::path dossierConfiguration, fs::path dossierSortie) {
    Demarrage d;
    d.dossierInstallation = lignara::dossierInstallation();
    d.dossierSortie = std::move(dossierSortie);
    d.dossierConfiguration = std::move(dossierConfiguration);
    d.configuration = chargerConfiguration(d.dossierConfiguration, &d.etatConfiguration);
    d.compteurs = chargerCompteursUsage(d.dossierConfiguration);
    return d;
}

bool Demarrage::quitter(FichierOuvert& fichier) noexcept {
    if (fichier.personnesDernierFichier() != 0)
        compteurs.personnesDernierFichier =
            static_cast<std::uint16_t>(std::min<std::uint32_t>(fichier.personnesDernierFichier(), 65535));
    bool enregistres = true;
    try {
        enregistrerCompteursUsage(compteurs, dossierConfiguration);
    } catch (const std::exception&) {
        enregistres = false;
    }
    effacerDocumentsProduits(dossierSortie);
    fichier.fermer();
    return enregistres;
}

}  // namespace lignara
