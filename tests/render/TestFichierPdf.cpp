#include "EssaiRendu.h"
#include "LecturePdf.h"
#include "OutilsPdf.h"
#include "images/ImageDwa.h"
#include "render/pdf/ObjetPdfAnnotationLink.h"
#include "render/pdf/ObjetPdfDegrade.h"
#include "render/pdf/ObjetPdfFctDegrade.h"
#include "render/pdf/ObjetPdfImageDwa.h"
#include "render/pdf/ObjetPdfPage.h"
#include "render/pdf/ObjetPdfPhotoJpeg.h"
#include "render/pdf/ObjetPdfSsImageDwa.h"
#include "render/pdf/ObjetPdfStreamPage.h"
#include "render/pdf/ObjetPdfTableauInt16.h"

using namespace lignara;
using namespace essais;
using essai::HasSubstr;

namespace {

// Chaque entrée en service de la table des références croisées désigne « N 0 obj ».
void verifierTable(const std::string& pdf) {
    auto xref = pdf.rfind("xref\n0 ");
    ASSERT_NE(xref, std::string::npos);
    std::istringstream table(pdf.substr(xref + 7));
    int entrees = 0;
    table >> entrees;
    std::string ligne;
    std::getline(table, ligne);
    for (int n = 0; n < entrees; ++n) {
        ASSERT_TRUE(std::getline(table, ligne));
        ASSERT_EQ(ligne.size(), 19u) << ligne;  // dix chiffres, blanc, cinq chiffres, blanc, f|n, blanc
        if (ligne[17] != 'n') continue;
        std::size_t position = std::stoul(ligne.substr(0, 10));
        EXPECT_EQ(pdf.compare(position, std::to_string(n).size() + 6, std::to_string(n) + " 0 obj"), 0)
            << "objet " << n;
    }
    auto startxref = pdf.rfind("startxref\n");
    EXPECT_EQ(std::stoul(pdf.substr(startxref + 10)), xref);
}

// Une page de contenu donné ; rend son objet page.
ObjetPdfPage& ajouterPage(DocumentEssai& d, std::size_t place, std::int32_t tx, std::int32_t ty,
                          std::int32_t largeur = 9072, std::int32_t hauteur = 13024) {
    d.pages[place] = std::make_unique<ContenuPage>(0x006400, 0x000000);
    auto& flux = d.fichier.creer<ObjetPdfStreamPage>(*d.pages[place], tx, ty);
    auto& page = d.fichier.creer<ObjetPdfPage>(flux, largeur, hauteur);
    d.pages[place]->attacherPage(page);
    return page;
}

}  // namespace

// Référence relue à la main : en-tête binaire, sept objets, entrée libre ; la table est recalculée ici.
TEST(FichierPdf, dessinVideAuxSeptObjetsFixes) {
    DocumentEssai d;
    std::string pdf = d.ecrire();
    essai::comparerGolden(pdf, "dessin-vide.pdf");
    verifierTable(pdf);
    verifierAvecQpdf(pdf, "dessin-vide.pdf");
}

// Deux dégradés, une image interne à l'emplacement 1, deux photos, police italique créée
// après la page, un lien abouti et un lien sans destination.
TEST(FichierPdf, pageAvecToutesSesRessourcesDansLOrdre) {
    DocumentEssai d(2);
    StyleTrace s;
    auto& fct = d.fichier.creer<ObjetPdfFctDegrade>(std::array<std::uint8_t, 6>{200, 200, 200, 255, 255, 255});
    auto& degrade = d.fichier.creer<ObjetPdfDegrade>(0, fct.numero());
    auto& fct2 = d.fichier.creer<ObjetPdfFctDegrade>(std::array<std::uint8_t, 6>{0, 0, 0, 255, 0, 0});
    auto& degrade2 = d.fichier.creer<ObjetPdfDegrade>(3, fct2.numero());
    std::istringstream dwa(std::string("\x01\x00\x01\x00\x0B\x00\x09\x00", 8) +
                           std::string("\x78\x9c\x63\x60\x60\x00\x00\x00\x03\x00\x01", 11) +
                           std::string("\x78\x9c\xfb\x0f\x00\x01\x00\x01\x00", 9));
    const ImageDwa image(dwa);
    auto& masque = d.fichier.creer<ObjetPdfSsImageDwa>(image, nullptr);
    auto& couleur = d.fichier.creer<ObjetPdfSsImageDwa>(image, &masque);
    auto& forme = d.fichier.creer<ObjetPdfImageDwa>(couleur);
    ObjetPdfPage& page = ajouterPage(d, 0, 0, 0);
    ObjetPdfPage& autre = ajouterPage(d, 1, -567, 0);
    ContenuPage& c = *d.pages[0];
    c.rectangleDegrade(s, 0, 0, 160, 160, degrade2.numero());
    c.rectangleDegrade(s, 0, 0, 160, 160, degrade.numero());
    c.rectangleDegrade(s, 0, 0, 160, 160, degrade2.numero());
    c.imageDwa(s, 16, 16, 1, forme.numero());
    auto jpeg = [](std::ostream& o, const std::string&, std::int32_t l, std::int32_t h) { o << jpegBlanc(l, h); };
    auto& photo1 = d.fichier.creer<ObjetPdfPhotoJpeg>(2, 2, "a.jpg", jpeg);
    auto& photo2 = d.fichier.creer<ObjetPdfPhotoJpeg>(2, 2, "b.jpg", jpeg);
    c.photo(s, 0, 0, 10, 10, photo1);
    c.photo(s, 0, 0, 10, 10, photo2);
    auto& lien = d.fichier.creer<ObjetPdfAnnotationLink>(page, 7, 160, 320, 480, 640);
    auto& orphelin = d.fichier.creer<ObjetPdfAnnotationLink>(page, 8, 0, 0, 16, 16);
    c.ajouterAnnotation(lien);
    c.ajouterAnnotation(orphelin);
    std::map<std::int32_t, CibleLien> cibles{{7, {9072 + 160, 1600, &autre}}};
    d.contexte.cibles = &cibles;
    d.contexte.policeItalique = creerObjetsPolice(d.fichier, d.italique, "Liberation Sans");
    d.pages[1]->texte(s, 9072 + 16, 16, "Page cible");

    std::string pdf = d.ecrire();
    essai::comparerGolden(pdf, "page-ressources.pdf");
    // Référence relue : ressources triées, italique citée par les deux pages, lien vers la page 18, entrée 22 libre.
    verifierTable(pdf);
    verifierAvecQpdf(pdf, "page-ressources.pdf");
}

TEST(FichierPdf, uniteUtilisateurAuDelaDe14400Points) {
    EXPECT_EQ(FichierPdf::uniteUtilisateur(9072, 13024), 1.0f);
    EXPECT_FLOAT_EQ(FichierPdf::uniteUtilisateur(100, 460800), 2.5f);

    DocumentEssai d(1);
    ajouterPage(d, 0, 0, 0, 460800, 160000);
    d.contexte.uniteUtilisateur = FichierPdf::uniteUtilisateur(460800, 160000);
    std::string pdf = d.ecrire();
    EXPECT_NE(pdf.find("     /UserUnit 2.5\n     /MediaBox [0 0 11520 4000]\n"), std::string::npos);
    verifierAvecQpdf(pdf, "grande-page.pdf");
}

// Les dégradés axiaux sont dans la référence page-ressources.pdf ; ici la direction 2 et le rayon borné sous 0,5.
TEST(FichierPdf, degradeVersLaDroiteEtDegradeRadialDesMarques) {
    std::ostringstream sortie;
    ObjetPdfDegrade(13, 2, 12).ecrire(sortie, ContextePdf{});
    ObjetPdfDegrade(14, ObjetPdfDegrade::Radial{100}, 12).ecrire(sortie, ContextePdf{});
    ObjetPdfDegrade(15, ObjetPdfDegrade::Radial{7000}, 12).ecrire(sortie, ContextePdf{});
    EXPECT_EQ(sortie.str(),
              "13 0 obj\n  << /ShadingType 2\n     /ColorSpace /DeviceRGB\n     /Coords [ 0 0 1 0 ]\n"
              "     /Function 12 0 R\n  >>\nendobj\n\n"
              "14 0 obj\n  << /ShadingType 3\n     /ColorSpace /DeviceRGB\n"
              "     /Coords [ 0.5 0.5 0.100 0.5 0.5 0.5 ]\n     /Function 12 0 R\n  >>\nendobj\n\n"
              "15 0 obj\n  << /ShadingType 3\n     /ColorSpace /DeviceRGB\n"
              "     /Coords [ 0.5 0.5 0.499 0.5 0.5 0.5 ]\n     /Function 12 0 R\n  >>\nendobj\n\n");
}

// L'image recopiée est celle contrôlée à l'ouverture, même si le fichier change : longueur et octets concordent.
TEST(FichierPdf, imageInterneRecopieLesDonneesControleesALOuverture) {
    std::vector<std::uint8_t> rvb(2 * 2 * 3, 0x40), opacite(2 * 2, 0xFF);
    const std::string octets = ImageDwa::fabriquer({2, 2}, rvb, opacite);
    essai::DossierEssai dossier;
    const std::filesystem::path chemin = dossier.ecrire("rond.dwa", octets);
    const ImageDwa image(chemin);
    essai::ecrireFichier(chemin, "abc");
    ObjetPdfSsImageDwa masque(5, image, nullptr);
    ObjetPdfSsImageDwa couleur(6, image, &masque);
    std::ostringstream sortie;
    masque.ecrire(sortie, ContextePdf{});
    couleur.ecrire(sortie, ContextePdf{});
    const std::string pdf = sortie.str();
    const auto l1 = image.enTete().longueurCouleurs, l2 = image.enTete().longueurMasque;
    EXPECT_THAT(pdf, HasSubstr("5 0 obj\n  << /Length " + std::to_string(l2) + "\n"));
    EXPECT_THAT(pdf, HasSubstr("/ColorSpace /DeviceGray\n     /BitsPerComponent 8\n   >>\n stream\n" +
                               octets.substr(8 + l1, l2) + "\nendstream\nendobj\n\n6 0 obj\n  << /Length " +
                               std::to_string(l1) + "\n"));
    EXPECT_THAT(pdf, HasSubstr("/SMask 5 0 R\n     /BitsPerComponent 8\n   >>\n stream\n" + octets.substr(8, l1) +
                               "\nendstream\nendobj\n\n"));
}
