// Sortie Web de l'arbre ascendant : une page positionnée, chaque boîte un bloc placé en pixels,
// les raccords en traits pointillés d'un pixel, la première boîte complète de chaque personne
// porte l'ancre « p<numéro> » vers laquelle renvoient ses boîtes tronquées répétées.
//
// Passage aux pixels propre aux arbres : x → (x + marge gauche − 45) × 7 ÷ 100 ;
// y → hauteur de page − (y + marge haute + 176) × 1467 ÷ 17600.
#include <algorithm>
#include <string>

#include "commun/Texte.h"
#include "documents/arbres/ArbreAscendant.h"
#include "render/html/EchappementHtml.h"
#include "commun/MetriquePolice.h"
#include "render/html/PageWeb.h"
#include "reference/ChronologieTrace.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;

std::string px(std::int64_t v) { return std::to_string(v) + "px;"; }

class SortieWeb {
public:
    SortieWeb(PageWeb& page, const ReglagesDessin& r) : page_(page), r_(r) {}

    std::int64_t x(std::int64_t u) const { return (u + r_.margeGauche - 45) * 7 / 100; }
    std::int64_t y(std::int64_t u) const { return page_.hauteurPage() - (u + r_.margeHaut + kLigne) * 1467 / 17600; }

    // Trait pointillé vertical de (ux, uy1) à (ux, uy2), ou horizontal de (ux1, uy) à (ux2, uy).
    void verticale(std::int32_t ux, std::int32_t uy1, std::int32_t uy2) {
        const std::int64_t haut = y(std::max(uy1, uy2)), bas = y(std::min(uy1, uy2));
        if (bas <= haut) return;
        page_.ecrireBalises("<div style=\"position:absolute;font-size:1px;left:" + px(x(ux)) + "top:" + px(haut) +
                            "width:1px;height:" + px(bas - haut) + "border-color:" + page_.couleurs().trait +
                            ";border-left-width:1px;border-style:dashed;border-top-style:none;"
                            "border-right-style:none;border-bottom-style:none;\"></div>\n");
    }
    void horizontale(std::int32_t ux1, std::int32_t ux2, std::int32_t uy) {
        const std::int64_t gauche = x(std::min(ux1, ux2)), droite = x(std::max(ux1, ux2));
        if (droite <= gauche) return;
        page_.ecrireBalises("<div style=\"position:absolute;font-size:1px;left:" + px(gauche) + "top:" + px(y(uy)) +
                            "width:" + px(droite - gauche) + "height:1px;border-color:" + page_.couleurs().trait +
                            ";border-top-width:1px;border-style:dashed;border-left-style:none;"
                            "border-right-style:none;border-bottom-style:none;\"></div>\n");
    }
    // De l'enfant (haut de sa boîte) au bas d'un parent, en équerre.
    void raccord(const NoeudAscendant& enfant, std::int32_t versX, std::int32_t versY) {
        const std::int32_t milieu = enfant.y + (versY - enfant.y) / 2;
        verticale(enfant.centre(), enfant.y, milieu);
        horizontale(enfant.centre(), versX, milieu);
        verticale(versX, milieu, versY);
    }

    void texte(std::int32_t ux, std::int32_t uy, const std::string& t) {
        if (t.empty()) return;
        page_.ecrireBalises("<div style=\"position:absolute;white-space:nowrap;left:" + px(x(ux)) + "top:" +
                            px(y(uy) - 14) + "\">");
        page_.ecrireTexte(t);
        page_.ecrireBalises("</div>\n");
    }

    void boite(const NoeudAscendant& n, const StyleBoites& style, bool ancre) {
        const std::int64_t gauche = x(n.x), haut = y(n.y);
        std::string fond;
        // Avec une photo, le texte se centre à droite d'elle, comme en PDF.
        const std::int64_t photo = n.largeurPhoto > 0 ? std::int64_t{n.largeurPhoto + 45} * 7 / 100 : 0;
        const std::int64_t largeur = std::int64_t{n.largeur} * 7 / 100 - photo, hauteur = y(n.bas()) - haut;
        if (photo > 0) fond += "padding-left:" + px(photo);
        if (style.chromatique) {
            char c[32];
            std::snprintf(c, sizeof c, "#%02x%02x%02x", n.remplissage.rouge, n.remplissage.vert, n.remplissage.bleu);
            fond = std::string("background-color:") + c + ";";
        }
        std::string html = "<div style=\"position:absolute;overflow:hidden;white-space:nowrap;text-align:center;left:" +
                           px(gauche) + "top:" + px(haut) + "width:" + px(largeur) + "height:" + px(hauteur) +
                           "border:1px solid " + page_.couleurs().trait + ";" + fond + "\">";
        if (ancre) html += "<a name=\"p" + std::to_string(n.personne) + "\">&nbsp;</a>";
        page_.ecrireBalises(html);
        std::string couleurNom;
        if (style.couleurParSexe && !style.chromatique && (n.sexe == 'M' || n.sexe == 'F'))
            couleurNom = n.sexe == 'F' ? page_.couleurs().femmes : page_.couleurs().hommes;
        page_.ecrireBalises(couleurNom.empty() ? "<span>" : "<span style=\"color:" + couleurNom + ";\">");
        page_.ecrireTexte(n.ligneNom);
        page_.ecrireBalises("</span>");
        for (const std::string& l : n.lignes) {
            page_.ecrireBalises("<br>");
            page_.ecrireTexte(l);
        }
        page_.ecrireBalises("</div>\n");
        if (n.largeurPhoto > 0)
            page_.image(n.x, n.y - 56 + r_.margeHaut + kLigne - 592 - r_.margeBas, n.largeurPhoto, 832, n.photo);
    }

    void renvoi(const NoeudAscendant& n) {
        page_.ecrireBalises("<div style=\"position:absolute;line-height:50%;left:" + px(x(n.centre()) - 4) +
                            "top:" + px(y(n.y + 240)) + "\"><a style=\"text-decoration:none\" href=\"#p" +
                            std::to_string(n.personne) + "\">&and;<br>&and;</a></div>\n");
    }

private:
    PageWeb& page_;
    const ReglagesDessin& r_;
};

}  // namespace

void ArbreAscendant::ecrireWeb() {
    PageWeb page(dessin_);
    page.ouvrirPositionnee(std::filesystem::path(chemin), "Arbre ascendant", largeur, hauteur);
    SortieWeb sortie(page, dessin_);
    if (chronologie_) {
        CadreWebChronologie cadre{largeur, decalageVertical_, dessin_.margeGauche - 45, dessin_.margeHaut + kLigne,
                                  static_cast<std::int32_t>(page.hauteurPage())};
        page.ecrireBalises(blocsWebChronologie(*chronologie_, cadre));
        for (const LibelleChronologie& l : chronologie_->libelles()) sortie.texte(l.x, decalageVertical_ + l.y, l.texte);
    }
    if (coloration_) coloration_->ecrireLegende(page, 0, hauteur);
    EnsemblePersonnes ancrees(arbre_.repetees.nombrePersonnes());
    std::vector<NoeudAscendant*> boites = arbre_.boites();
    for (const NoeudAscendant* n : boites) {
        for (const NoeudAscendant* p : {n->pere, n->mere})
            if (p) sortie.raccord(*n, p->centre(), p->bas());
    }
    const NoeudAscendant* couple = arbre_.racine;
    if (couple && couple->invisible && couple->pere && couple->mere) {
        sortie.horizontale(couple->pere->droite(), couple->mere->x, couple->mere->y - 117);
    }
    // Texte de mariage de chaque couple de parents (et du couple d'un arbre familial), centré
    // dans l'écart du couple comme le raccord de mariage du PDF.
    std::vector<const NoeudAscendant*> enfants(boites.begin(), boites.end());
    if (couple && couple->invisible) enfants.push_back(couple);
    for (const NoeudAscendant* n : enfants) {
        if (!n->mere || !n->pere || n->mere->largeurMariage <= 0) continue;
        const std::int32_t centre = (n->pere->droite() + n->mere->x) / 2;
        for (std::size_t k = 0; k < n->mere->texteMariage.size(); ++k) {
            const std::string& ligne = n->mere->texteMariage[k];
            sortie.texte(centre - largeurTexte(polices.reguliere, ligne) / 2,
                         (n->pere->y + n->mere->y) / 2 - kLigne * static_cast<std::int32_t>(k + 1), ligne);
        }
    }
    for (const NoeudAscendant* n : boites) {
        const bool repetee = n->tronque && arbre_.repetees.contient(n->personne);
        const bool ancre = !repetee && !ancrees.contient(n->personne);
        if (ancre) ancrees.ajouter(n->personne);
        sortie.boite(*n, style_, ancre);
        if (repetee) sortie.renvoi(*n);
    }
    page.fermer();
}

}  // namespace lignara
