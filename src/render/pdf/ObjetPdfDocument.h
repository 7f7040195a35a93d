#pragma once
// Catalogue du document : renvoie à l'arbre des pages.
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfDocument : public ObjetPdf {
public:
    explicit ObjetPdfDocument(std::uint16_t numero) : ObjetPdf(numero) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;
};

}  // namespace lignara
