#include "documents/tableaux/CasesParente.h"

#include <algorithm>

#include "commun/Dossiers.h"
#include "commun/MetriquePolice.h"
#include "commun/Texte.h"
#include "documents/AjustementNom.h"
#include "documents/arbres/TextesBoites.h"
#include "images/TaillePhoto.h"
#include "render/FormatPapier.h"
#include "render/SurfacePdf.h"
#include "render/html/EchappementHtml.h"
#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"
#include "render/html/UrlFichier.h"

namespace lignara {

namespace {

constexpr std::int32_t kLignes[3] = {528, 352, 176};  // au-dessus du bas de la case
constexpr std::int32_t kHauteurPhotoCase = 592;
constexpr std::int32_t kGauchePhoto = 44;
constexpr std::int32_t kAvantTexte = 67;

// Largeur de la photo à 592 de haut (les boîtes d'arbre la mesurent à 832).
std::int32_t largeurPhoto(const BoiteArbre& c) {
    return c.photo.empty()
               ? 0
               : static_cast<std::int32_t>(std::int64_t{c.largeurPhoto} * kHauteurPhotoCase / kHauteurPhoto);
}

std::int32_t debutTexte(const BoiteArbre& c) {
    const std::int32_t p = largeurPhoto(c);
    return p > 0 ? kGauchePhoto + p + kAvantTexte : kAvantTexte;
}

std::uint32_t couleurNom(const BoiteArbre& c, const StyleCasesParente& s, std::uint32_t sinon) {
    if (!s.couleurParSexe) return sinon;
    if (c.sexe == 'M') return s.couleurHommes;
    if (c.sexe == 'F') return s.couleurFemmes;
    return sinon;
}

}  // namespace

BoiteArbre caseParente(const BaseGenealogique& base, std::uint32_t personne) {
    BoiteArbre c;
    c.personne = personne;
    if (personne == 0) return c;
    const Individu i = base.LireIndividu(personne);
    c.sexe = i.sexe;
    c.nom = i.nom;
    c.prenoms = i.prenoms;
    c.naissance = i.naissance;
    c.deces = i.deces;
    c.photos = i.photos;
    return c;
}

void preparerCasesParente(const std::vector<BoiteArbre*>& cases, const ContexteDocument& contexte,
                          const PolicesDocument& polices, FormatSortie format, std::int16_t etirement, bool photos) {
    ReglesTextes t;
    t.donnees = 1 | 2 | 32;  // dates, lieux, photo
    t.facteurPhoto = format == FormatSortie::Web ? 119 : 10000 / std::max<std::int16_t>(etirement, 10);
    t.police = &polices.reguliere;
    t.taillePhoto = [&contexte](const std::string& photo) { return taillePhoto(photo, contexte.messages); };
    t.dossiersGedcom = contexte.dossiersGedcom;
    if (!photos) t.taillePhoto = nullptr;
    preparerTextes(cases, *contexte.base, t);
    for (BoiteArbre* c : cases) {
        std::int32_t texte = largeurTexte(polices.reguliere, c->ligneNom);
        for (int k = 0; k < 2; ++k)
            texte = std::max(texte, largeurTexte(polices.reguliere, c->lignes[static_cast<std::size_t>(k)]));
        c->largeur = debutTexte(*c) + texte + kAvantTexte;
    }
}

std::string texteCaseParente(const BoiteArbre& c) {
    if (c.personne == 0) return "?";
    std::string t = c.ligneNom;
    for (int k = 0; k < 2; ++k)
        if (!c.lignes[static_cast<std::size_t>(k)].empty()) t += ", " + c.lignes[static_cast<std::size_t>(k)];
    return t;
}

void dessinerCaseParente(SurfacePdf& surface, const BoiteArbre& c, const StyleCasesParente& style) {
    const std::int32_t bas = c.y - kHauteurCaseParente;
    if (style.degrade > 0) surface.rectangle(c.x, bas, c.droite(), c.y, style.degrade);
    surface.rectangle(c.x, bas, c.droite(), c.y, 0);
    if (c.personne == 0) return;
    const std::int32_t p = largeurPhoto(c);
    if (p > 0)
        surface.photo(c.x + kGauchePhoto, bas + (kHauteurCaseParente - kHauteurPhotoCase) / 2, p, kHauteurPhotoCase,
                      c.photo);
    const std::int32_t x = c.x + debutTexte(c), l = std::max(1, c.droite() - x);
    EtatTrace& e = surface.etat();
    const std::uint32_t texte = e.couleurTexte;
    e.couleurTexte = couleurNom(c, style, texte);
    surface.texte(x, bas + kLignes[0], l, 176, c.ligneNom);
    e.couleurTexte = texte;
    if (!c.lignes[0].empty()) surface.texte(x, bas + kLignes[1], l, 176, c.lignes[0]);
    if (!c.lignes[1].empty()) surface.texte(x, bas + kLignes[2], l, 176, c.lignes[1]);
}

void ecrireCaseParenteWeb(RedacteurBlocsWeb& blocs, const BoiteArbre& c, const StyleCasesParente& style) {
    const std::int64_t gauche = blocs.x(c.x), haut = blocs.y(c.y);
    const std::int64_t largeur = PageWeb::largeurPixels(c.largeur),
                       hauteur = PageWeb::hauteurPixels(kHauteurCaseParente);
    std::string html = "<div style='border-width:1px; border-color:0; border-style:solid; ";
    if (!style.fondWeb.empty()) html += "background-image:url(\"" + style.fondWeb + "\"); ";
    html += "position:absolute; left:" + std::to_string(gauche) + "px; top:" + std::to_string(haut) +
            "px; width:" + std::to_string(largeur) + "px; height:" + std::to_string(hauteur) + "px;'></div>\n";
    blocs.page().ecrireBalises(html);
    if (c.personne == 0) return;
    const std::int32_t x = c.x + debutTexte(c), bas = c.y - kHauteurCaseParente;
    const std::uint32_t nom = couleurNom(c, style, blocs.page().reglages().couleurTexte);
    const std::string lignes[3] = {c.ligneNom, c.lignes[0], c.lignes[1]};
    for (int k = 0; k < 3; ++k) {
        if (lignes[k].empty()) continue;
        std::string t = "<div style='position:absolute; white-space:nowrap; left:" + std::to_string(blocs.x(x)) +
                        "px; top:" + std::to_string(blocs.y(bas + kLignes[k] + 150)) +
                        "px;'><span style='color:" + couleurHtml(k == 0 ? nom : blocs.page().reglages().couleurTexte) +
                        ";'>";
        ajouterHtmlEchappe(t, lignes[k]);
        t += "</span></div>\n";
        blocs.page().ecrireBalises(t);
    }
    const std::int32_t p = largeurPhoto(c);
    if (p > 0) {
        const std::string url = urlFichier(c.photo);
        if (!url.empty())
            blocs.page().ecrireBalises(
                "<div style='position:absolute; left:" + std::to_string(blocs.x(c.x + kGauchePhoto)) +
                "px; top:" + std::to_string(blocs.y(c.y - 56)) + "px;'><img style='border:0' alt='' src=\"" + url +
                "\" width=" + std::to_string(PageWeb::largeurPixels(p)) +
                " height=" + std::to_string(PageWeb::hauteurPixels(kHauteurPhotoCase)) + "></div>\n");
    }
}

void ajusterCaseParente(BoiteArbre& c, std::int32_t largeur, const MetriquePolice& police) {
    c.largeur = largeur;
    const std::int32_t place = largeur - debutTexte(c) - kAvantTexte;
    c.ligneNom = ajusterTexte(place, c.ligneNom, police);
    for (std::string& l : c.lignes) l = ajusterTexte(place, l, police);
}

PagesParente PagesParente::du(const ReglagesDessin& reglages) {
    PagesParente p;
    FormatPapier papier = formatPapierOuNonPagine(reglages.formatPapier);
    p.marges = std::int64_t{reglages.margeHaut} + reglages.margeBas;
    p.margeHaut = reglages.margeHaut;
    if (papier.estPagine())
        p.hauteurPage = papier.hauteurUtile / 176 * 176;
    else
        papier = *formatPapier(kA4Portrait);
    p.largeurPage = std::max(0, papier.largeurUtile - reglages.margeGauche - reglages.margeDroite);
    return p;
}

std::int64_t PagesParente::placer(std::int64_t d, std::int64_t h) const {
    if (hauteurPage <= 0 || h > hauteurPage - marges) return d;
    const std::int64_t page = (margeHaut + d) / hauteurPage;
    if (margeHaut + d + h <= (page + 1) * hauteurPage) return d;
    return (page + 1) * hauteurPage - margeHaut + 176;
}

std::int64_t PagesParente::hauteurDessin(std::int64_t h) const {
    if (hauteurPage <= 0) return h;
    const std::int64_t pages = (h + marges + hauteurPage - 1) / hauteurPage;
    return std::max<std::int64_t>(h, pages * hauteurPage - marges);
}

std::string adresseFondCases() {
    return urlFichier(depuisUtf8((dossierInstallation() / "Themes" / "Degrade.jpg").string()));
}

}  // namespace lignara
