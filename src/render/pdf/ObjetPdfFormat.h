#pragma once
// Tableau des jeux de procédures, commun à toutes les pages.
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfFormat : public ObjetPdf {
public:
    explicit ObjetPdfFormat(std::uint16_t numero) : ObjetPdf(numero) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;
};

}  // namespace lignara
