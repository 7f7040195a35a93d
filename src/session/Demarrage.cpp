#include "session/Demarrage.h"

#include <algorithm>
#include <string>
#include <utility>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "session/NettoyageDocuments.h"
#include "session/DemarrageDossierSortie.h"

namespace lignara {

namespace fs = std::filesystem;

Demarrage Demarrage::demarrer() { return demarrer(dossierConfigurationAccessible(), dossierSortieDuProgramme()); }

Demarrage Demarrage::demarrer(fs::path dossierConfiguration, fs::path dossierSortie) {
    Demarrage d;
    d.dossierInstallation = lignara::dossierInstallation();
    d.dossierSortie = std::move(dossierSortie);
    d.dossierConfiguration = std::move(dossierConfiguration);
    d.configuration = chargerConfiguration(d.dossierConfiguration, &d.etatConfiguration);
    d.compteurs = chargerCompteursUsage(d.dossierConfiguration);
    return d;
}

fs::path Demarrage::fichierDuDemarrage(std::string_view argument) const {
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        argument = argument.substr(1, argument.size() - 2);
    if (!argument.empty()) return fs::path(std::string(argument));
    return fs::path(configuration.fichierParDefaut);
}

bool Demarrage::quitter(FichierOuvert& fichier, std::span<const std::string_view> prefixesDocuments) noexcept {
    if (fichier.personnesDernierFichier() != 0)
        compteurs.personnesDernierFichier =
            static_cast<std::uint16_t>(std::min<std::uint32_t>(fichier.personnesDernierFichier(), 65535));
    bool enregistres = true;
    try {
        enregistrerCompteursUsage(compteurs, dossierConfiguration);
    } catch (const std::exception&) {
        enregistres = false;
    }
    nettoyerDocuments(dossierSortie, prefixesDocuments);
    fichier.fermer();
    return enregistres;
}

}  // namespace lignara
