#include "session/DemarrageDossierSortie.h"

#include "commun/DossierPrive.h"

namespace lignara {

std::filesystem::path preparerDossierSortie(const std::filesystem::path& dossierTemporaire) {
    return preparerDossierPrive(dossierTemporaire);
}

const std::filesystem::path& dossierSortieDuProgramme() { return dossierPrive(); }

}  // namespace lignara
