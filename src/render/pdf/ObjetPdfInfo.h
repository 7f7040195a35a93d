#pragma once
// Dictionnaire d'information : titre, créateur et producteur (version et adresse web du
// produit, un réglage), date de création sans secondes ni fuseau. La date est celle de
// l'horloge du document au moment où l'objet s'écrit : l'heure locale, ou l'instant de
// SOURCE_DATE_EPOCH en UTC quand il est fixé.
#include <string>

#include "commun/Horloge.h"
#include "render/pdf/ObjetPdf.h"

namespace lignara {

class ObjetPdfInfo : public ObjetPdf {
public:
    ObjetPdfInfo(std::uint16_t numero, std::string titre1252, std::string adresseWeb, Horloge horloge);

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    std::string titre_;
    std::string adresseWeb_;
    Horloge horloge_;
};

}  // namespace lignara
