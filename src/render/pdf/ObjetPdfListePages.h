#pragma once
// Arbre des pages : les pages existantes du tableau de la surface, dans l'ordre du tableau
// (colonne après colonne, de la rangée du haut vers le bas). Le tableau appartient à la surface.
#include "render/pdf/ObjetPdf.h"
#include "render/pdf/ContenuPage.h"

namespace lignara {

class ObjetPdfListePages : public ObjetPdf {
public:
    ObjetPdfListePages(std::uint16_t numero, const TableauPages& pages) : ObjetPdf(numero), pages_(pages) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    const TableauPages& pages_;
};

}  // namespace lignara
