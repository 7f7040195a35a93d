#include "render/pdf/ObjetPdfPolice.h"

#include <algorithm>
#include <cstdio>

#include "render/pdf/FichierPdf.h"
#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfDescripteurPolice.h"
#include "render/pdf/ObjetPdfTableauInt16.h"

namespace lignara {

std::string nomPolicePdf(std::string_view nom1252, bool italique) {
    static constexpr std::string_view kDelimiteurs = "()<>[]{}/%#";
    std::string nom;
    for (char c : nom1252) {
        auto o = static_cast<unsigned char>(c);
        if (o == 0) continue;  // « #00 » est interdit dans un nom PDF
        if (o <= 32 || o >= 127 || kDelimiteurs.find(c) != std::string_view::npos) {
            char code[4];
            std::snprintf(code, sizeof code, "#%02X", o);
            nom += code;
        } else {
            nom += c;
        }
    }
    if (italique) nom += "-Italic";
    return nom;
}

std::uint16_t creerObjetsPolice(FichierPdf& fichier, const MetriquePolice& police, const std::string& nom1252) {
    auto& descripteur = fichier.creer<ObjetPdfDescripteurPolice>(police, nom1252);
    int premier = std::min(police.premierCaractere, police.dernierCaractere);
    auto nombre = static_cast<std::int16_t>(police.dernierCaractere - premier + 1);
    auto& largeurs = fichier.creer<ObjetPdfTableauInt16>(police.largeurs + premier, nombre);
    return fichier.creer<ObjetPdfPolice>(police, nom1252, descripteur.numero(), largeurs.numero()).numero();
}

void ObjetPdfPolice::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    std::string s = entete();
    s += "  << /Type /Font\n     /Subtype /TrueType\n     /BaseFont /";
    s += nomPolicePdf(nom_, police_.italique != 0);
    s += "\n     /FirstChar ";
    ajouterEntier(s, police_.premierCaractere);
    s += "\n     /LastChar ";
    ajouterEntier(s, police_.dernierCaractere);
    s += "\n     /Widths ";
    ajouterEntier(s, tableau_);
    s += " 0 R\n     /FontDescriptor ";
    ajouterEntier(s, descripteur_);
    s += " 0 R\n     /Encoding /WinAnsiEncoding\n  >>\nendobj\n\n";
    ecrireOctets(sortie, s);
}

}  // namespace lignara
