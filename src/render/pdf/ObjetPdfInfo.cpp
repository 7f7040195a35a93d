#include "render/pdf/ObjetPdfInfo.h"

#include <cstdio>

#include "render/VersionProgramme.h"
#include "render/pdf/FormatPdf.h"

namespace lignara {

ObjetPdfInfo::ObjetPdfInfo(std::uint16_t numero, std::string titre1252, std::string adresseWeb, Horloge horloge)
    : ObjetPdf(numero),
      titre_(std::move(titre1252)),
      adresseWeb_(std::move(adresseWeb)),
      horloge_(std::move(horloge)) {}

void ObjetPdfInfo::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    const DateHeure d = horloge_.maintenant();
    char date[64];
    std::snprintf(date, sizeof date, "%04d%02d%02d%02d%02d", d.annee, d.mois, d.jour, d.heure, d.minute);
    std::string produit = std::string("Lignara ") + kVersionProgramme + " " + adresseWeb_;
    std::string s = entete();
    s += "  << /Title (";
    ajouterEchappe(s, titre_);
    s += ")\n     /Creator (";
    ajouterEchappe(s, produit);
    s += ")";
    s += "\n     /Producer (";
    ajouterEchappe(s, produit);
    s += ")";
    s += "\n     /CreationDate (D:" + std::string(date) + ")\n  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
