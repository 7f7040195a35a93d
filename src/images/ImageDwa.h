#pragma once
// Image interne livrée avec le programme (« Themes/Rond-rose.dwa »…) : couleurs et masque
// d'opacité comprimés au format zlib, recopiés tels quels dans le PDF. Le format est décrit en
// tête de ImageDwa.cpp.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "images/TaillePixels.h"

namespace lignara {

class ImageDwa {
public:
    static constexpr std::size_t kTailleEnTete = 8;

    struct EnTete {
        std::uint16_t largeur = 0;
        std::uint16_t hauteur = 0;
        std::uint16_t longueurCouleurs = 0;
        std::uint16_t longueurMasque = 0;
    };

    // Ouvre le fichier et le contrôle entièrement (en-tête, longueurs, données décomprimables à
    // la bonne taille). Lève OperationImpossible avec « Accès impossible à des données
    // internes\nVous devriez réinstaller Lignara » quand il manque ou qu'il est abîmé : c'est
    // une installation incomplète.
    explicit ImageDwa(const std::filesystem::path& chemin);

    const EnTete& enTete() const { return enTete_; }

    // Le fichier ouvert, que les objets image du PDF relisent au moment d'écrire.
    std::istream& flux() { return fichier_; }

    // Recopient les données comprimées, par morceaux de 5000 octets au plus ; le fichier est
    // relu à chaque appel (l'objet PDF les écrit au moment où le fichier PDF s'écrit).
    void copierCouleurs(std::ostream& sortie);
    void copierMasque(std::ostream& sortie);

    // Fabrique les octets d'un fichier .dwa (générateur des images livrées). rvb : largeur ×
    // hauteur × 3 octets, masque : largeur × hauteur octets, lignes de haut en bas.
    static std::string fabriquer(TaillePixels taille, const std::vector<std::uint8_t>& rvb,
                                 const std::vector<std::uint8_t>& masque);

private:
    void copier(std::ostream& sortie, std::uint64_t debut, std::uint16_t longueur);

    std::ifstream fichier_;
    EnTete enTete_;
};

}  // namespace lignara
