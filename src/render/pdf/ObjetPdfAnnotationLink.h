#pragma once
// Annotation de lien : un rectangle de la page qui mène à la page et à la position d'une
// destination enregistrée (ajouterCible). Sans destination enregistrée, ou quand la page de
// la destination n'existe pas, l'annotation n'est pas écrite : elle est retirée des /Annots
// de sa page et devient une entrée libre de la table des références croisées.
#include <cstdint>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfAnnotationLink : public ObjetPdf {
public:
    // x1…y2 : unités de dessin après marges et transformation, sur la page page.
    ObjetPdfAnnotationLink(std::uint16_t numero, const ObjetPdfPage& page, std::int32_t identifiant, std::int32_t x1,
                           std::int32_t y1, std::int32_t x2, std::int32_t y2)
        : ObjetPdf(numero), page_(page), identifiant_(identifiant), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

    bool estLibre(const ContextePdf& contexte) const override;

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    const CibleLien* cible(const ContextePdf& contexte) const;

    const ObjetPdfPage& page_;
    std::int32_t identifiant_;
    std::int32_t x1_, y1_, x2_, y2_;
};

}  // namespace lignara
