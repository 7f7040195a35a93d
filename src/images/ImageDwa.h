#pragma once
// Image interne livrée avec le programme (« Themes/Rond-rose.dwa »…) : couleurs et masque
// d'opacité comprimés au format zlib, recopiés tels quels dans le PDF. Le format est décrit en
// tête de ImageDwa.cpp, seul endroit qui le lit (le constructeur) et l'écrit (fabriquer).
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
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

    // Lit le fichier et le contrôle entièrement (en-tête, longueurs, données décomprimables à
    // la bonne taille), puis garde les données comprimées (128 Ko au plus) : ce que le PDF
    // recopie est ce qui a été contrôlé, même si le fichier change entre-temps. Lève
    // OperationImpossible avec « Accès impossible à des données internes\nVous devriez
    // réinstaller Lignara » quand il manque ou qu'il est abîmé : c'est une installation
    // incomplète.
    explicit ImageDwa(const std::filesystem::path& chemin);
    // Les mêmes contrôles sur des octets déjà ouverts (lus depuis la position courante).
    explicit ImageDwa(std::istream& flux);

    const EnTete& enTete() const { return enTete_; }

    // Données comprimées, telles que dans le fichier.
    std::string_view couleurs() const { return couleurs_; }
    std::string_view masque() const { return masque_; }
    void copierCouleurs(std::ostream& sortie) const;
    void copierMasque(std::ostream& sortie) const;

    // Fabrique les octets d'un fichier .dwa (générateur des images livrées). rvb : largeur ×
    // hauteur × 3 octets, masque : largeur × hauteur octets, lignes de haut en bas.
    static std::string fabriquer(TaillePixels taille, const std::vector<std::uint8_t>& rvb,
                                 const std::vector<std::uint8_t>& masque);

private:
    void lire(std::istream& flux);

    EnTete enTete_;
    std::string couleurs_;
    std::string masque_;
};

}  // namespace lignara
