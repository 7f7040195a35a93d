#pragma once
// Page : taille du support en unités utilisateur, flux de contenu, ressources (polices,
// dégradés, images, photos) et annotations de lien que son contenu a notés.
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfStreamPage;

class ObjetPdfPage : public ObjetPdf {
public:
    // largeurUtile, hauteurPage : unités de dessin.
    ObjetPdfPage(std::uint16_t numero, ObjetPdfStreamPage& flux, std::int32_t largeurUtile, std::int32_t hauteurPage)
        : ObjetPdf(numero), flux_(flux), largeurUtile_(largeurUtile), hauteurPage_(hauteurPage) {}

    ObjetPdfStreamPage& flux() const { return flux_; }

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    void ajouterRessourcesFacultatives(std::string& s) const;
    void ajouterAnnotations(std::string& s, const ContextePdf& contexte) const;

    ObjetPdfStreamPage& flux_;
    std::int32_t largeurUtile_;
    std::int32_t hauteurPage_;
};

}  // namespace lignara
