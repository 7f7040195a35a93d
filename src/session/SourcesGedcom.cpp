#include "session/SourcesGedcom.h"

namespace lignara {

SourcesGedcom::SourcesGedcom(std::vector<FichierImporte> fichiers, std::shared_ptr<const std::atomic<bool>> temoin)
    : fichiers_(std::move(fichiers)), temoin_(std::move(temoin)) {
    for (const FichierImporte& f : fichiers_) empreintes_.push_back(SurveillanceGedcom::examiner(f.chemin));
}

bool SourcesGedcom::modifieesDepuisImport() const {
    if (temoin_ && temoin_->load(std::memory_order_acquire)) return true;
    for (std::size_t i = 0; i < fichiers_.size(); ++i) {
        const SurveillanceGedcom::Empreinte e = SurveillanceGedcom::examiner(fichiers_[i].chemin);
        // Un fichier disparu n'est pas « modifié » : sa relecture dira qu'il ne se lit plus.
        if (e.lisible && e != empreintes_[i]) return true;
    }
    return false;
}

}  // namespace lignara
