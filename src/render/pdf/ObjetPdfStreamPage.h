#pragma once
// Flux de contenu d'une page : le contenu (ContenuPage, à la surface) derrière un court
// prologue, compressé au format zlib quand le compresseur démarre. La longueur, inconnue au
// moment d'écrire le dictionnaire, y est réservée par dix blancs puis écrite par-dessus.
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ContenuPage;

class ObjetPdfStreamPage : public ObjetPdf {
public:
    // tx, ty : translation de la page, points (−colonne × largeur de page ÷ 16…).
    ObjetPdfStreamPage(std::uint16_t numero, ContenuPage& contenu, std::int32_t tx, std::int32_t ty)
        : ObjetPdf(numero), contenu_(contenu), tx_(tx), ty_(ty) {}

    ContenuPage& contenu() const { return contenu_; }
    std::int32_t tx() const { return tx_; }
    std::int32_t ty() const { return ty_; }

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    ContenuPage& contenu_;
    std::int32_t tx_;
    std::int32_t ty_;
};

// Réserve la longueur d'un flux : dix blancs et un saut de ligne ; rend la position des blancs.
std::int64_t reserverLongueur(std::ostream& sortie);
// Écrit la longueur par-dessus les premiers blancs réservés, puis revient à la fin.
void ecrireLongueur(std::ostream& sortie, std::int64_t positionReservee, std::uint64_t longueur);

}  // namespace lignara
