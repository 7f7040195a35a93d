#pragma once
// Outils communs aux essais du fichier PDF : document minimal à date fixe, contrôle par qpdf.
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "commun/Horloge.h"
#include "commun/MetriquePolice.h"
#include "render/PolicesDocument.h"
#include "render/pdf/ContenuPage.h"
#include "render/pdf/FichierPdf.h"
#include "render/pdf/ObjetPdfDocument.h"
#include "render/pdf/ObjetPdfFormat.h"
#include "render/pdf/ObjetPdfInfo.h"
#include "render/pdf/ObjetPdfListePages.h"
#include "render/pdf/ObjetPdfPolice.h"
#include "support/Controles.h"
#include "support/DossierEssai.h"

namespace essais {

using namespace lignara;

// Métriques fixes, indépendantes des polices installées.
inline MetriquePolice metriqueFixe(bool italique) {
    MetriquePolice m;
    m.trouvee = 1;
    m.italique = italique ? 1 : 0;
    m.premierCaractere = 32;
    for (int i = 0; i < 256; ++i) m.largeurs[i] = static_cast<std::int16_t>(4000 + 8 * i);
    m.drapeaux = italique ? 96 : 32;
    m.largeurBoite = 1093;
    m.hauteur = 1116;
    m.angleItalique = italique ? -12 : 0;
    m.ascendant = m.hauteurCapitales = 905;
    m.descendant = 211;
    m.epaisseurTrait = 54;
    return m;
}

// 2 janvier 2026, 3 h 04 UTC : « D:202601020304 ».
inline Horloge horlogeFixe() { return Horloge::fixee(1767323040); }

// La police fixe sous son nom, pour une surface.
inline PolicesDocument policesFixes(std::string nom = "Liberation Sans") {
    PolicesDocument p;
    p.nom = std::move(nom);
    p.reguliere = metriqueFixe(false);
    p.italique = metriqueFixe(true);
    return p;
}

// Document ouvert comme le fait la surface : objets 1 à 7.
struct DocumentEssai {
    MetriquePolice reguliere = metriqueFixe(false);
    MetriquePolice italique = metriqueFixe(true);
    TableauPages pages;
    FichierPdf fichier;
    ContextePdf contexte;

    explicit DocumentEssai(std::size_t nombrePages = 0) : pages(nombrePages) {
        contexte.info =
            fichier.creer<ObjetPdfInfo>("Arbre ascendant", "https://lignara.example", horlogeFixe()).numero();
        contexte.policeReguliere = creerObjetsPolice(fichier, reguliere, "Liberation Sans");
        contexte.format = fichier.creer<ObjetPdfFormat>().numero();
        contexte.listePages = fichier.creer<ObjetPdfListePages>(pages).numero();
        contexte.catalogue = fichier.creer<ObjetPdfDocument>().numero();
        contexte.couleurTrait = 0x006400;
    }

    std::string ecrire() {
        std::ostringstream sortie;
        fichier.ecrire(sortie, contexte);
        return sortie.str();
    }
};

// JPEG blanc de largeur × hauteur pixels (qpdf décode les images qu'il vérifie).
inline std::string jpegBlanc(int largeur, int hauteur) {
    jpeg_compress_struct c{};
    jpeg_error_mgr erreurs{};
    c.err = jpeg_std_error(&erreurs);
    jpeg_create_compress(&c);
    unsigned char* memoire = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&c, &memoire, &taille);
    c.image_width = static_cast<JDIMENSION>(largeur);
    c.image_height = static_cast<JDIMENSION>(hauteur);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    std::string ligne(static_cast<std::size_t>(largeur) * 3, '\xFF');
    while (c.next_scanline < c.image_height) {
        JSAMPROW rangee = reinterpret_cast<JSAMPROW>(ligne.data());
        jpeg_write_scanlines(&c, &rangee, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::string resultat(reinterpret_cast<char*>(memoire), taille);
    std::free(memoire);
    return resultat;
}

// qpdf --check doit accepter le fichier sans avertissement ; sauté sans qpdf.
inline void verifierAvecQpdf(const std::string& contenu, const std::string& nom) {
    lignara::essai::DossierEssai dossier;
    lignara::essai::controlerPdf(dossier.ecrire(nom, contenu));
}

}  // namespace essais
