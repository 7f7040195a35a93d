#include "render/html/PageWeb.h"

#include <cstdio>

#include "commun/CauseErreur.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "images/CheminImage.h"
#include "render/VersionProgramme.h"
#include "render/html/EchappementHtml.h"
#include "render/html/UrlFichier.h"

namespace lignara {

namespace {

// Une page positionnée suit la DTD stricte ; une page continue reçoit le texte des listes
// directement dans le corps, ce que seule la DTD de transition admet.
constexpr std::string_view kDoctypeStrict =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" \"http://www.w3.org/TR/html4/strict.dtd\">\n";
constexpr std::string_view kDoctypeTransition =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    "\"http://www.w3.org/TR/html4/loose.dtd\">\n";

std::string enTexte(std::int64_t n) { return std::to_string(n); }

std::string texte1252DuChemin(const std::filesystem::path& chemin) {
    const std::u8string utf8 = chemin.u8string();
    return depuisUtf8(std::string(utf8.begin(), utf8.end()));
}

}  // namespace

std::string couleurHtml(std::uint32_t bgr) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%02x%02x%02x", static_cast<unsigned>(bgr & 0xFF),
                  static_cast<unsigned>((bgr >> 8) & 0xFF), static_cast<unsigned>((bgr >> 16) & 0xFF));
    return texte;
}

PageWeb::PageWeb(const ReglagesDessin& reglages) : reglages_(reglages) {}

void PageWeb::creer(const std::filesystem::path& chemin) {
    if (!fichier_.ouvrir(chemin))
        throw OperationImpossible("Ouverture impossible du fichier "_1252 + texte1252DuChemin(chemin) + "\n" +
                                  causeErreurMajuscule(fichier_.erreur()));
    chemin_ = chemin;
    couleurs_ = {couleurHtml(reglages_.couleurTexte), couleurHtml(reglages_.couleurHommes),
                 couleurHtml(reglages_.couleurFemmes), couleurHtml(reglages_.couleurTrait),
                 couleurHtml(reglages_.couleurRemplissage)};
}

void PageWeb::ecrireEnTete(std::string_view doctype, std::string_view titre1252) {
    std::string t(doctype);
    t += "<html>\n<head>\n<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">\n"
         "<meta name=\"GENERATOR\" content=\"Lignara ";
    t += kVersionProgramme;
    t += "\">\n<title>";
    t += echapperTitreHtml(titre1252);
    t += "</title>\n";
    fichier_.flux() << t;
}

void PageWeb::ouvrirContinue(const std::filesystem::path& chemin, std::string_view titre1252, std::string_view style) {
    creer(chemin);
    positionnee_ = false;
    hauteurPage_ = -1;
    ecrireEnTete(kDoctypeTransition, titre1252);
    std::string t = "<style type=\"text/css\">\n<!--\n* {font-family:Arial;font-size:11px;}\nbody {margin: ";
    for (std::int32_t marge : {reglages_.margeHaut, reglages_.margeDroite, reglages_.margeBas})
        t += enTexte(marge / 16) + "pt ";
    t += enTexte(reglages_.margeGauche / 16) + "pt;}\n";
    if (!style.empty()) (t += style) += '\n';
    t += "-->\n</style>\n</head>\n<body>\n";
    fichier_.flux() << t;
}

void PageWeb::ouvrirPositionnee(const std::filesystem::path& chemin, std::string_view titre1252, std::int32_t largeur,
                                std::int32_t hauteur, std::string_view style) {
    creer(chemin);
    positionnee_ = true;
    hauteurPage_ = hauteurPixels(std::int64_t{reglages_.margeHaut} + reglages_.margeBas + hauteur) + 1;
    ecrireEnTete(kDoctypeStrict, titre1252);
    std::string t;
    if (!style.empty()) ((t += "<style type=\"text/css\">\n<!--\n") += style) += "\n-->\n</style>\n";
    t += "</head>\n<body>\n<div style=\"font-family:Arial;font-size:11px;\">";
    // Un point d'un pixel au coin opposé donne à la page du navigateur toute sa taille.
    t += "<div style=\"position:absolute;top:" + enTexte(hauteurPage_) +
         "px;left:" + enTexte(largeurPixels(std::int64_t{reglages_.margeGauche} + reglages_.margeDroite + largeur)) +
         "px;font-size:1px;\">&nbsp;</div>\n";
    fichier_.flux() << t;
}

void PageWeb::ouvrirPositionnee(const Graphique& document, std::string_view titre1252, std::string_view style) {
    ouvrirPositionnee(std::filesystem::path(document.chemin), titre1252, document.largeur, document.hauteur, style);
}

void PageWeb::ecrireTexte(std::string_view texte1252) { fichier_.flux() << echapperHtml(texte1252); }

void PageWeb::ecrireBalises(std::string_view html) { fichier_.flux() << html; }

std::int64_t PageWeb::pixelX(std::int64_t x) const { return largeurPixels(x + reglages_.margeGauche); }

std::int64_t PageWeb::pixelY(std::int64_t y) const { return hauteurPage_ - hauteurPixels(y + reglages_.margeBas); }

void PageWeb::texte(std::int32_t x, std::int32_t y, std::string_view texte1252) {
    std::string t =
        "<div style=\"position:absolute;top:" + enTexte(pixelY(y) - 14) + "px;left:" + enTexte(pixelX(x)) + "px;\">";
    ajouterHtmlEchappe(t, texte1252);
    t += "</div>\n";
    fichier_.flux() << t;
}

void PageWeb::image(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t /*h*/, const std::string& chemin1252) {
    const std::string url = urlFichier(chemin1252);
    if (url.empty()) return;
    // La DTD stricte n'a pas l'attribut border et exige alt : le bord passe par le style.
    fichier_.flux() << "<div style=\"border-width:0;position:absolute;top:" << enTexte(pixelY(std::int64_t{y} + 592))
                    << "px;left:" << enTexte(pixelX(x)) << "px;\"><a href=\"" << url
                    << "\"><img style=\"border:0\" alt=\"\" src=\"" << url << "\" width=" << enTexte(largeurPixels(l))
                    << " height=49></a></div>\n";
}

void PageWeb::boite(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, BordsBoite bords) {
    const std::int64_t hauteur = hauteurPixels(std::int64_t{y2} - y1);
    std::string t = "<div style=\"position:absolute;top:" + enTexte(pixelY(y2)) + "px;left:" + enTexte(pixelX(x1)) +
                    "px;height:" + enTexte(hauteur) + "px;width:" + enTexte(largeurPixels(std::int64_t{x2} - x1 + 1)) +
                    "px;border-color:" + couleurs_.trait + ";border-style:solid;";
    // Sans cela une boîte vide garderait la hauteur d'une ligne de texte.
    if (hauteur < 15) t += "font-size:1px;";
    if (bords.bas && bords.droite && bords.haut && bords.gauche) {
        t += "border-width:1px;\">";
    } else {
        t += std::string("border-bottom-width:") + (bords.bas ? "1" : "0") +
             "px;border-right-width:" + (bords.droite ? "1" : "0") + "px;border-top-width:" + (bords.haut ? "1" : "0") +
             "px;border-left-width:" + (bords.gauche ? "1" : "0") + "px;\">";
    }
    t += "</div>\n";
    fichier_.flux() << t;
}

void PageWeb::fermer() {
    if (!fichier_.estOuvert()) return;
    fichier_.flux() << (positionnee_ ? "</div>\n</body>\n</html>\n" : "</body>\n</html>\n");
    if (!fichier_.fermer()) throw OperationImpossible(fichier_.message());
}

}  // namespace lignara
