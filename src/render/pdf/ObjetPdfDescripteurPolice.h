#pragma once
// Descripteur de police : drapeaux, boîte, angle d'italique, ascendant, descendant, hauteur
// de capitales et épaisseur du trait, en 1/1000 em, tirés de l'enregistrement de métriques.
#include <string>

#include "commun/MetriquePolice.h"
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfDescripteurPolice : public ObjetPdf {
public:
    ObjetPdfDescripteurPolice(std::uint16_t numero, const MetriquePolice& police, std::string nom1252)
        : ObjetPdf(numero), police_(police), nom_(std::move(nom1252)) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    const MetriquePolice& police_;
    std::string nom_;
};

}  // namespace lignara
