#pragma once
// Photos d'une personne telles que les fiches et le trombinoscope les posent : chemins de la
// base résolus depuis le dossier du GEDCOM qui les nomme (CheminPhoto.h), taille lue par le
// module images. Une photo sans taille (absente, illisible) est laissée de côté.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "images/TaillePixels.h"

namespace lignara {

struct PhotoPersonne {
    std::string chemin1252;  // résolu
    TaillePixels taille;
};

using LectureTaillePhoto = std::function<std::optional<TaillePixels>(const std::string& chemin1252)>;

std::vector<PhotoPersonne> photosDe(const BaseGenealogique& base, std::uint32_t personne,
                                    const std::vector<std::filesystem::path>& dossiersGedcom,
                                    const LectureTaillePhoto& taille);

// Taille posée d'une photo à la hauteur voulue, sa largeur ramenée à largeurMax au besoin
// (la hauteur suit) ; unités de dessin, au moins 1 dans chaque sens.
TaillePixels taillePosee(TaillePixels photo, std::int32_t hauteur, std::int32_t largeurMax);

}  // namespace lignara
