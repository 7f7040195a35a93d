#include "documents/statistiques/PageStatistique.h"

#include <algorithm>

#include "render/FormatPapier.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

// Des marges démesurées dans les préférences ne doivent pas laisser une page sans place.
constexpr std::int32_t kLargeurMinimale = 4000;
constexpr std::int32_t kHauteurMinimale = 20 * PageStatistique::kLigne;
constexpr std::int32_t kMargeCadre = 352;
constexpr int kTailleTitre = 14;

}  // namespace

PageStatistique PageStatistique::duPapier(const ReglagesDessin& reglages) {
    FormatPapier format = formatPapierOuNonPagine(reglages.formatPapier);
    PageStatistique page;
    page.paginee = format.estPagine();
    if (!page.paginee) format = *formatPapier(kA4Portrait);
    page.hauteurPage = format.hauteurUtile / kLigne * kLigne;
    page.largeur = std::max(kLargeurMinimale, format.largeurUtile - reglages.margeGauche - reglages.margeDroite);
    page.hauteur = std::max(kHauteurMinimale, page.hauteurPage - reglages.margeHaut - reglages.margeBas);
    const bool signature =
        reglages.signature && !(reglages.polices.ligneSignature1.empty() && reglages.polices.ligneSignature2.empty());
    page.reserveSignature = signature ? kHauteurSignature + kLigne : 0;
    page.margeHaut = reglages.margeHaut;
    return page;
}

// Le haut du dessin est à margeHaut sous le haut de la première page (hauteurDessin arrondit à
// des pages entières) : les pages suivantes commencent tous les hauteurPage plus bas.
int PageStatistique::pageDe(std::int32_t decalage) const {
    if (!paginee || hauteurPage <= 0) return 0;
    const std::int64_t depuisLaPage = std::int64_t{decalage} + margeHaut + kDebutContenu;
    return depuisLaPage < 0 ? 0 : static_cast<int>(depuisLaPage / hauteurPage);
}

std::int32_t PageStatistique::hautDePage(int page) const {
    if (page <= 0 || !paginee) return 0;
    return static_cast<std::int32_t>(std::int64_t{page} * hauteurPage - margeHaut - kDebutContenu);
}

std::int32_t PageStatistique::hauteurDessin(std::int32_t hauteurContenu, const ReglagesDessin& reglages) const {
    const std::int64_t voulue = std::int64_t{kDebutContenu} + hauteurContenu + reserveSignature;
    if (voulue <= hauteur) return hauteur;
    if (!paginee || hauteurPage <= 0) return static_cast<std::int32_t>(std::min<std::int64_t>(voulue, INT32_MAX / 2));
    // Pages entières : marges du haut et du bas comprises, le tout est un multiple de la page.
    const std::int64_t marges = std::int64_t{reglages.margeHaut} + reglages.margeBas;
    const std::int64_t pages = (voulue + marges + hauteurPage - 1) / hauteurPage;
    return static_cast<std::int32_t>(std::min<std::int64_t>(pages * hauteurPage - marges, INT32_MAX / 2));
}

std::int32_t largeurA(const MetriquePolice& police, const std::string& texte1252, int taille) {
    return static_cast<std::int32_t>(std::int64_t{largeurTexte(police, texte1252)} * taille / 10);
}

std::string couperPourLargeur(const MetriquePolice& police, const std::string& texte1252, std::int32_t largeur,
                              int taille) {
    if (largeurA(police, texte1252, taille) <= largeur) return texte1252;
    std::string coupe = texte1252;
    while (!coupe.empty() && largeurA(police, coupe + "..", taille) > largeur) coupe.pop_back();
    return coupe + "..";
}

void texteGauche(SurfacePdf& surface, std::int32_t x, std::int32_t y, const std::string& texte1252, int taille) {
    if (texte1252.empty()) return;
    EtatTrace& etat = surface.etat();
    const std::uint8_t avant = etat.taillePolice;
    etat.taillePolice = static_cast<std::uint8_t>(taille);
    // La boîte ne monte qu'à la hauteur des capitales : un texte en haut d'une rangée n'est pas
    // envoyé à la page du dessus.
    const std::int32_t l = largeurA(surface.polices().reguliere, texte1252, taille);
    surface.texte(x, y, l, taille * 13, texte1252);
    etat.taillePolice = avant;
}

void texteCentre(SurfacePdf& surface, std::int32_t xCentre, std::int32_t y, const std::string& texte1252, int taille) {
    texteGauche(surface, xCentre - largeurA(surface.polices().reguliere, texte1252, taille) / 2, y, texte1252, taille);
}

void texteDroite(SurfacePdf& surface, std::int32_t xDroite, std::int32_t y, const std::string& texte1252, int taille) {
    texteGauche(surface, xDroite - largeurA(surface.polices().reguliere, texte1252, taille), y, texte1252, taille);
}

void rectanglePlein(SurfacePdf& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    std::uint32_t couleur) {
    EtatTrace& etat = surface.etat();
    const std::uint32_t avant = etat.couleurRemplissage;
    etat.couleurRemplissage = couleur;
    surface.rectangle(x1, y1, x2, y2, 1);
    etat.couleurRemplissage = avant;
}

void dessinerCadre(SurfacePdf& surface, std::int32_t largeur, std::int32_t hauteur, const std::string& titre1252,
                   const std::string& sousTitre1252) {
    const MetriquePolice& police = surface.polices().reguliere;
    const std::int32_t texte = std::max(largeurA(police, titre1252, kTailleTitre), largeurA(police, sousTitre1252, 10));
    const std::int32_t l = std::min(largeur, std::max(largeur / 2, texte + 2 * kMargeCadre));
    const std::int32_t x = (largeur - l) / 2;
    const std::int32_t haut = hauteur;
    EtatTrace& etat = surface.etat();
    etat.epaisseurTrait = PageStatistique::kEpaisseurCadre;
    surface.rectangle(x, haut - PageStatistique::kHauteurCadre, x + l, haut, 0);
    etat.epaisseurTrait = PageStatistique::kEpaisseurTraits;
    const std::int32_t milieu = largeur / 2;
    if (sousTitre1252.empty()) {
        texteCentre(surface, milieu, haut - 330, titre1252, kTailleTitre);
        return;
    }
    texteCentre(surface, milieu, haut - 230, titre1252, kTailleTitre);
    texteCentre(surface, milieu, haut - 420, sousTitre1252, 10);
}

}  // namespace lignara
