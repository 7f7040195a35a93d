#include "render/html/RedacteurBlocsWeb.h"

#include <algorithm>

#include "render/Contraste.h"
#include "render/html/EchappementHtml.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;

std::string px(std::int64_t v) { return std::to_string(v) + "px;"; }

}  // namespace

RedacteurBlocsWeb::RedacteurBlocsWeb(PageWeb& page, std::int32_t decalageX, std::int32_t decalageY)
    : page_(page), decalageX_(decalageX), decalageY_(decalageY) {}

RedacteurBlocsWeb RedacteurBlocsWeb::pourArbre(PageWeb& page) {
    return {page, page.reglages().margeGauche - 45, page.reglages().margeHaut + kLigne};
}

std::int64_t RedacteurBlocsWeb::x(std::int64_t unites) const { return PageWeb::largeurPixels(unites + decalageX_); }

std::int64_t RedacteurBlocsWeb::y(std::int64_t unites) const {
    return page_.hauteurPage() - PageWeb::hauteurPixels(unites + decalageY_);
}

void RedacteurBlocsWeb::traitVertical(std::int32_t ux, std::int32_t uy1, std::int32_t uy2) {
    const std::int64_t haut = y(std::max(uy1, uy2)), bas = y(std::min(uy1, uy2));
    if (bas <= haut) return;
    page_.ecrireBalises("<div style=\"position:absolute;font-size:1px;left:" + px(x(ux)) + "top:" + px(haut) +
                        "width:1px;height:" + px(bas - haut) + "border-color:" + page_.couleurs().trait +
                        ";border-left-width:1px;border-style:dashed;border-top-style:none;"
                        "border-right-style:none;border-bottom-style:none;\"></div>\n");
}

void RedacteurBlocsWeb::traitHorizontal(std::int32_t ux1, std::int32_t ux2, std::int32_t uy) {
    const std::int64_t gauche = x(std::min(ux1, ux2)), droite = x(std::max(ux1, ux2));
    if (droite <= gauche) return;
    page_.ecrireBalises("<div style=\"position:absolute;font-size:1px;left:" + px(gauche) + "top:" + px(y(uy)) +
                        "width:" + px(droite - gauche) + "height:1px;border-color:" + page_.couleurs().trait +
                        ";border-top-width:1px;border-style:dashed;border-left-style:none;"
                        "border-right-style:none;border-bottom-style:none;\"></div>\n");
}

void RedacteurBlocsWeb::equerre(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const std::int32_t milieu = static_cast<std::int32_t>(y1 + (std::int64_t{y2} - y1) / 2);
    traitVertical(x1, y1, milieu);
    traitHorizontal(x1, x2, milieu);
    traitVertical(x2, milieu, y2);
}

void RedacteurBlocsWeb::texte(std::int32_t ux, std::int32_t uy, std::string_view texte1252) {
    if (texte1252.empty()) return;
    std::string html =
        "<div style=\"position:absolute;white-space:nowrap;left:" + px(x(ux)) + "top:" + px(y(uy) - 14) + "\">";
    ajouterHtmlEchappe(html, texte1252);
    html += "</div>\n";
    page_.ecrireBalises(html);
}

void RedacteurBlocsWeb::boite(const BoiteWeb& b) {
    const std::int64_t gauche = x(b.x), haut = y(b.haut);
    const std::int64_t photo = b.largeurPhoto > 0 ? PageWeb::largeurPixels(std::int64_t{b.largeurPhoto} + 45) : 0;
    const std::int64_t largeur = PageWeb::largeurPixels(b.largeur) - photo, hauteur = y(b.bas) - haut;
    std::string html =
        "<div style=\"position:absolute;overflow:hidden;white-space:nowrap;text-align:center;left:" + px(gauche) +
        "top:" + px(haut) + "width:" + px(largeur) + "height:" + px(hauteur) + "border:1px solid " +
        page_.couleurs().trait + ";";
    if (photo > 0) html += "padding-left:" + px(photo);
    // Sur un aplat, le texte est noir ou blanc selon ce qui se lit le mieux.
    if (b.fond)
        html += "background-color:" + couleurHtml(*b.fond) + ";color:" + couleurHtml(texteLisibleSur(*b.fond)) + ";";
    html += "\">";
    // Ancres vides : une espace y décalerait le nom vers la droite.
    if (!b.ancre.empty()) html += "<a name=\"" + b.ancre + "\"></a>";
    for (const std::string& a : b.autresAncres) html += "<a name=\"" + a + "\"></a>";
    html += b.couleurPremiere ? "<span style=\"color:" + couleurHtml(*b.couleurPremiere) + ";\">" : "<span>";
    ajouterHtmlEchappe(html, b.premiere);
    html += "</span>";
    for (const std::string& ligne : b.lignes) {
        html += "<br>";
        ajouterHtmlEchappe(html, ligne);
    }
    html += "</div>\n";
    page_.ecrireBalises(html);
    if (b.largeurPhoto <= 0) return;
    // PageWeb place la photo par ses propres pixels (marge gauche, marge basse, 592 sous y) :
    // ses coordonnées sont ramenées à celles du graphique.
    const ReglagesDessin& r = page_.reglages();
    page_.image(b.x + 45 + decalageX_ - r.margeGauche, b.haut - 56 + decalageY_ - 592 - r.margeBas, b.largeurPhoto, 832,
                b.photo);
}

void RedacteurBlocsWeb::aplat(std::int32_t ux, std::int32_t uyHaut, std::int32_t largeur, std::int32_t hauteur,
                              std::uint32_t couleur) {
    page_.ecrireBalises("<div style=\"position:absolute;left:" + px(x(ux)) + "top:" + px(y(uyHaut)) + "width:" +
                        px(PageWeb::largeurPixels(largeur)) + "height:" + px(PageWeb::hauteurPixels(hauteur)) +
                        "background-color:" + couleurHtml(couleur) + ";\"></div>\n");
}

void RedacteurBlocsWeb::renvoi(std::int32_t xCentre, std::int32_t uy, std::string_view ancre,
                               std::string_view symboles) {
    page_.ecrireBalises("<div style=\"position:absolute;line-height:50%;left:" + px(x(xCentre) - 4) +
                        "top:" + px(y(uy)) + "\"><a style=\"text-decoration:none\" href=\"#" + std::string(ancre) +
                        "\">" + std::string(symboles) + "</a></div>\n");
}

}  // namespace lignara
