#include "documents/fiches/PhotosPersonne.h"

#include <algorithm>

#include "documents/CheminPhoto.h"

namespace lignara {

std::vector<PhotoPersonne> photosDe(const BaseGenealogique& base, std::uint32_t personne,
                                    const std::vector<std::filesystem::path>& dossiersGedcom,
                                    const LectureTaillePhoto& taille) {
    const Individu individu = base.LireIndividu(personne);
    std::vector<PhotoPersonne> photos;
    if (individu.photos == 0) return photos;
    for (const std::string& chemin : base.LirePhotos(individu.photos)) {
        if (chemin.empty()) continue;
        std::string resolu = resoudreCheminPhoto(chemin, individu.fichierGedcom, dossiersGedcom);
        const std::optional<TaillePixels> t = taille ? taille(resolu) : std::nullopt;
        if (!t || t->largeur <= 0 || t->hauteur <= 0) continue;
        photos.push_back({std::move(resolu), *t});
    }
    return photos;
}

TaillePixels taillePosee(TaillePixels photo, std::int32_t hauteur, std::int32_t largeurMax) {
    const std::int64_t h = std::max(hauteur, 1), lMax = std::max(largeurMax, 1);
    const std::int64_t lp = std::max(photo.largeur, 1), hp = std::max(photo.hauteur, 1);
    std::int64_t l = h * lp / hp, hh = h;
    if (l > lMax) {
        l = lMax;
        hh = lMax * hp / lp;
    }
    return {static_cast<std::int32_t>(std::max<std::int64_t>(l, 1)),
            static_cast<std::int32_t>(std::max<std::int64_t>(hh, 1))};
}

}  // namespace lignara
