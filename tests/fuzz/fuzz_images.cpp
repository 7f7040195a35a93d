// Fichiers d'images quelconques : taille d'une photo (PNG, JPEG, lecteur d'images), photo
// ré-encodée en JPEG, image interne .dwa. Rien ne doit planter ni déborder ; les messages
// vont à un récepteur vide, qui les ignore.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "commun/OperationImpossible.h"
#include "images/ImageDwa.h"
#include "images/PhotoJpeg.h"
#include "images/TaillePhoto.h"

using namespace lignara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) return 0;
    static const char* const extensions[] = {".png", ".jpg", ".gif", ".bmp", ".dwa"};
    const auto choix = static_cast<std::size_t>(donnees[0] % 5);
    const std::filesystem::path chemin =
        std::filesystem::temp_directory_path() / ("lignara-fuzz-" + std::to_string(getpid()) + extensions[choix]);
    std::ofstream(chemin, std::ios::binary)
        .write(reinterpret_cast<const char*>(donnees + 1), static_cast<std::streamsize>(taille - 1));
    if (choix == 4) {
        try {
            ImageDwa image(chemin);
            std::ostringstream sortie;
            image.copierCouleurs(sortie);
            image.copierMasque(sortie);
        } catch (const OperationImpossible&) {
        }
    } else {
        const std::string nom = chemin.string();
        taillePhoto(nom, {});
        std::ostringstream sortie;
        ecrirePhotoJpeg(sortie, nom, {7, 5}, {});
    }
    std::filesystem::remove(chemin);
    return 0;
}
