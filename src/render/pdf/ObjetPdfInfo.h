#pragma once
// Dictionnaire d'information : titre, créateur et producteur (version et adresse web du
// produit, un réglage), date de création en heure locale sans secondes ni fuseau.
#include <functional>
#include <string>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

struct DateCreationPdf {
    int annee = 0, mois = 0, jour = 0, heure = 0, minute = 0;
};

// Source de la date : l'heure locale au moment de l'écriture, ou une date fixe pour les essais.
using HorlogePdf = std::function<DateCreationPdf()>;
DateCreationPdf heureLocale();

class ObjetPdfInfo : public ObjetPdf {
public:
    static constexpr const char* kVersion = "6.4";

    ObjetPdfInfo(std::uint16_t numero, std::string titre1252, std::string adresseWeb,
                 HorlogePdf horloge = heureLocale);

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    std::string titre_;
    std::string adresseWeb_;
    HorlogePdf horloge_;
};

}  // namespace lignara
