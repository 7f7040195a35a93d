#pragma once
// Image d'une image interne (.dwa) : la couleur (RVB, avec le masque pour transparence) ou le
// masque (gris). Les données, déjà au format zlib dans le fichier, sont recopiées sans être
// décodées, par morceaux de 5000 octets au plus.
//
// Fichier .dwa, entiers little-endian :
//   DÉC.  TAILLE  CONTENU
//     0     2     largeur en pixels
//     2     2     hauteur en pixels
//     4     2     longueur L1 des données de couleur
//     6     2     longueur L2 du masque
//     8    L1     pixels R, V, B de haut en bas, format zlib
//  8+L1    L2     opacité, un octet gris par pixel, même ordre, format zlib
#include <cstdint>
#include <iosfwd>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

struct EnTeteImageDwa {
    std::uint16_t largeur = 0;
    std::uint16_t hauteur = 0;
    std::uint16_t longueurCouleur = 0;
    std::uint16_t longueurMasque = 0;
};

// Relit l'en-tête au début du fichier ; faux quand il manque des octets.
bool lireEnTeteImageDwa(std::istream& flux, EnTeteImageDwa& entete);

class ObjetPdfSsImageDwa : public ObjetPdf {
public:
    // flux : fichier de l'emplacement, gardé ouvert par la surface jusqu'à l'écriture.
    // masque : l'image du masque pour l'image de couleur ; nul pour le masque lui-même.
    ObjetPdfSsImageDwa(std::uint16_t numero, std::istream& flux, const ObjetPdfSsImageDwa* masque)
        : ObjetPdf(numero), flux_(flux), masque_(masque) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    std::istream& flux_;
    const ObjetPdfSsImageDwa* masque_;
};

}  // namespace lignara
