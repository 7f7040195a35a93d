#include "render/texte/RedacteurWeb.h"

#include <algorithm>
#include <vector>

#include "commun/MetriquePolice.h"
#include "render/html/EchappementHtml.h"
#include "render/html/UrlFichier.h"

namespace lignara {

namespace {

std::string enTexte(std::int64_t n) { return std::to_string(n); }

std::string pixels(std::int64_t unites) { return enTexte(PageWeb::largeurPixels(std::max<std::int64_t>(unites, 0))); }

void ajouterAncre(std::string& html, std::string_view ancre) {
    if (ancre.empty()) return;
    html += "<a name=\"";
    ajouterHtmlEchappe(html, ancre);
    html += "\"></a>";
}

// Adresse d'une photo, prête pour un attribut ; vide quand elle n'en a pas.
std::string adressePhoto(std::string_view chemin1252) {
    const std::string chemin(chemin1252);
    const std::string debut = chemin.substr(0, 8);
    for (const char* web : {"http://", "https://", "HTTP://", "HTTPS://"})
        if (debut.rfind(web, 0) == 0) return echapperHtml(chemin);
    return urlFichier(chemin);
}

std::string pixelsPhoto(std::int32_t unites) { return enTexte(PageWeb::hauteurPixels(std::max(unites, 1))); }

}  // namespace

void RedacteurWeb::rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) {
    lignes_ = 0;
    debut_ = true;
    couleurFond_ = mise.couleurFond;
    page_.ouvrirContinue(mise.chemin, mise.titre1252, mise.styleWeb);
    contenu(*this);
    page_.fermer();
}

void RedacteurWeb::ecrire(const std::string& html) {
    page_.ecrireBalises(html);
    debut_ = false;
}

void RedacteurWeb::ajouterSegment(std::string& html, const Segment& s) const {
    if (s.croix) {
        html += "<b>x </b>";
        return;
    }
    if (s.texte.empty()) return;
    std::string fin;
    if (!s.lien.empty()) {
        html += "<a href=\"#";
        ajouterHtmlEchappe(html, s.lien);
        html += "\">";
        fin = "</a>";
    }
    const CouleursWeb& c = page_.couleurs();
    if (s.couleur != CouleurSegment::Texte) {
        html += "<span style='color:" + (s.couleur == CouleurSegment::Femmes ? c.femmes : c.hommes) +
                ";font-weight:bold;'>";
        fin.insert(0, "</span>");
    }
    if (s.taille > 0) {
        html += "<span style=\"font-size:" + enTexte(s.taille * 11 / 10) + "px;\">";
        fin.insert(0, "</span>");
    }
    if (s.gras) {
        html += "<b>";
        fin.insert(0, "</b>");
    }
    if (s.souligne) {
        html += "<u>";
        fin.insert(0, "</u>");
    }
    ajouterHtmlEchappe(html, s.texte);
    html += fin;
}

void RedacteurWeb::ajouterSegments(std::string& html, std::span<const Segment> segments) const {
    for (const Segment& s : segments) ajouterSegment(html, s);
}

void RedacteurWeb::titre(const Titre& titre) {
    const StyleTitre& style = *titre.style;
    std::string html;
    if (!debut_)
        for (int i = 0; i < style.lignesAvantTexte; ++i) html += "<br>\n";
    ajouterAncre(html, titre.ancre);
    if (style.grasWeb) html += "<b>";
    ajouterHtmlEchappe(html, style.avantTexteWeb);
    ajouterSegment(html, Segment{.texte = titre.texte, .lien = titre.lien});
    if (style.grasWeb) html += "</b>";
    html += "<br>\n";
    ecrire(html);
}

std::int64_t RedacteurWeb::ligne(const Ligne& ligne) {
    std::string html;
    ajouterAncre(html, ligne.ancre);
    const Etiquette& e = ligne.etiquette;
    if (!e.vide()) {
        // L'étiquette est complétée jusqu'au contenu : celles d'un même retrait finissent ensemble.
        std::string texte(e.texte);
        texte += e.suite;
        const std::int64_t complement = std::int64_t{ligne.contenu.unites} - largeurTexte(polices_.reguliere, texte);
        html += "<span style=\"margin-left:" + pixels(ligne.retrait.unites) + "px;margin-right:" + pixels(complement) +
                "px;\">";
        if (e.gras) html += "<b>";
        ajouterHtmlEchappe(html, texte);
        if (e.gras) html += "</b>";
        html += "</span>";
    } else {
        const std::int64_t gauche = std::int64_t{ligne.retrait.unites} + ligne.contenu.unites;
        if (gauche > 0) html += "<span style=\"margin-left:" + pixels(gauche) + "px;\"></span>";
    }
    ajouterSegments(html, ligne.segments);
    html += "<br>\n";
    ecrire(html);
    return lignes_++;
}

void RedacteurWeb::paragraphe(const Paragraphe& p) {
    const std::int64_t suite = std::max(p.retraitSuite.unites, 0);
    const std::int64_t premiere = std::max(p.retrait.unites, 0);
    std::string html = "<p style=\"margin:0;padding-left:" + pixels(suite) +
                       "px;text-indent:" + enTexte(PageWeb::largeurPixels(premiere) - PageWeb::largeurPixels(suite)) +
                       "px;\">";
    ajouterAncre(html, p.ancre);
    ajouterSegments(html, p.segments);
    html += "</p>\n";
    ecrire(html);
}

void RedacteurWeb::lignesVides(int nombre) {
    std::string html;
    for (int i = 0; i < nombre; ++i) html += "<br>\n";
    if (!html.empty()) ecrire(html);
}

void RedacteurWeb::filet() { ecrire("<hr>\n"); }

void RedacteurWeb::sautDePage() { ecrire("<div style=\"page-break-before:always;\"></div>\n"); }

void RedacteurWeb::tableau(const Tableau& tableau) {
    std::string html = "<table style=\"border-collapse:collapse;\">\n";
    const std::string bord = "border:1px solid " + page_.couleurs().trait + ";";
    const std::string fond = "background-color:" + couleurHtml(couleurFond_) + ";";
    std::vector<int> couvertes(tableau.colonnes.size(), 0);
    for (const RangeeTableau& rangee : tableau.rangees) {
        html += "<tr>";
        // Colonne de chaque cellule, pour sa largeur : les places couvertes par le dessus sont sautées.
        std::size_t c = 0;
        for (const CelluleTableau& cellule : rangee.cellules) {
            while (c < couvertes.size() && couvertes[c] > 0) --couvertes[c++];
            const std::size_t etendue = std::clamp<std::size_t>(
                cellule.colonnes, 1, std::max<std::size_t>(couvertes.size() - std::min(c, couvertes.size()), 1));
            std::int64_t largeur = 0;
            for (std::size_t k = 0; k < etendue && c + k < couvertes.size(); ++k) {
                largeur += tableau.colonnes[c + k].unites;
                couvertes[c + k] = std::max<int>(cellule.rangees, 1) - 1;
            }
            const char* balise = cellule.entete ? "th" : "td";
            html += std::string("<") + balise;
            if (cellule.rangees > 1) html += " rowspan=" + enTexte(cellule.rangees);
            if (etendue > 1) html += " colspan=" + enTexte(static_cast<std::int64_t>(etendue));
            if (!cellule.classeWeb.empty()) {
                html += " class=\"" + std::string(cellule.classeWeb) + "\">";
            } else {
                html += " style=\"" + bord + "width:" + pixels(largeur) + "px;";
                if (cellule.fond || cellule.entete) html += fond;
                html += cellule.centree || cellule.entete ? "text-align:center;\">" : "text-align:left;\">";
            }
            ajouterAncre(html, cellule.ancre);
            ajouterSegments(html, cellule.segments);
            html += std::string("</") + balise + ">";
            c += etendue;
        }
        while (c < couvertes.size()) {
            if (couvertes[c] > 0) --couvertes[c];
            ++c;
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
    ecrire(html);
}

}  // namespace lignara

namespace lignara {

void RedacteurWeb::photos(const GrillePhotos& grille) {
    std::string html;
    for (const CellulePhoto& c : grille.cellules) {
        const std::string adresse = adressePhoto(c.chemin1252);
        if (grille.cadres) html += "<div>";
        if (!adresse.empty()) {
            html += "<a href=\"" + adresse + "\"><img style='border-width:0;' src=\"" + adresse + "\" alt=\"";
            ajouterHtmlEchappe(html, c.texteAlternatif);
            html += "\"";
            if (!grille.cadres) html += " width=" + pixelsPhoto(c.largeur) + " height=" + pixelsPhoto(c.hauteur);
            html += "></a>";
        }
        if (grille.cadres) {
            html += "<br>";
            ajouterSegments(html, c.legende);
            html += "</div>\n";
        } else {
            html += "\n";
        }
    }
    if (grille.cadres)
        html += "<br style=\"clear:both;\">\n";
    else if (!grille.cellules.empty())
        html += "<br>\n";
    ecrire(html);
}

}  // namespace lignara
