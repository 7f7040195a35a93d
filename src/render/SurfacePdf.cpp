#include "render/SurfacePdf.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <span>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "render/GeometrieTrace.h"
#include "images/PhotoJpeg.h"
#include "render/pdf/ObjetPdfAnnotationLink.h"
#include "render/pdf/ObjetPdfDegrade.h"
#include "render/pdf/ObjetPdfDescripteurPolice.h"
#include "render/pdf/ObjetPdfDocument.h"
#include "render/pdf/ObjetPdfFctDegrade.h"
#include "render/pdf/ObjetPdfFormat.h"
#include "render/pdf/ObjetPdfImageDwa.h"
#include "render/pdf/ObjetPdfListePages.h"
#include "render/pdf/ObjetPdfPage.h"
#include "render/pdf/ObjetPdfPhotoJpeg.h"
#include "render/pdf/ObjetPdfPolice.h"
#include "render/pdf/ObjetPdfSsImageDwa.h"
#include "render/pdf/ObjetPdfStreamPage.h"
#include "render/pdf/ObjetPdfTableauInt16.h"

namespace lignara {

namespace {

// Au-delà, le tableau des pages coûterait plus que ce qu'un document raisonnable demande
// (16 millions d'entrées, 128 Mo de pointeurs) : on le traite comme une mémoire épuisée.
constexpr std::int64_t kEntreesMax = std::int64_t{1} << 24;
constexpr std::int32_t kHauteurBandeTexte = 140;

std::int32_t borne32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// Une ligne de signature qui commence comme une adresse web est soulignée.
bool ressembleAAdresseWeb(const std::string& ligne) {
    auto commencePar = [&](std::string_view debut) {
        if (ligne.size() < debut.size()) return false;
        for (std::size_t i = 0; i < debut.size(); ++i) {
            char c = ligne[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != debut[i]) return false;
        }
        return true;
    };
    return commencePar("http://") || commencePar("https://") || commencePar("www.");
}

}  // namespace

SurfacePdf::SurfacePdf(const ReglagesDessin& reglages, const PolicesDocument& polices, const Horloge& horloge,
                       QuestionPages question)
    : reglages_(reglages), polices_(polices), horloge_(horloge), question_(std::move(question)) {}

SurfacePdf::~SurfacePdf() { liberer(); }

void SurfacePdf::ouvrir(const std::filesystem::path& chemin, const std::string& titre1252,
                        std::int16_t pourcentageHorizontal, std::int32_t largeur, std::int32_t hauteur) {
    liberer();
    etat_.reinitialiser(reglages_);
    // Un dessin vide n'a pas de surface, marges ou non.
    const std::int64_t totalL = largeur > 0 ? std::int64_t{reglages_.margeGauche} + largeur + reglages_.margeDroite : 0;
    const std::int64_t totalH = hauteur > 0 ? std::int64_t{reglages_.margeBas} + hauteur + reglages_.margeHaut : 0;
    grille_ = GrillePages(formatPapierOuNonPagine(reglages_.formatPapier), pourcentageHorizontal,
                          borne32(std::max<std::int64_t>(totalL, 0)), borne32(std::max<std::int64_t>(totalH, 0)));
    if (grille_.nombreEntrees() > kEntreesMax) throw OperationImpossible("Mémoire insuffisante"_1252);
    try {
        pages_.resize(static_cast<std::size_t>(grille_.nombreEntrees()));
    } catch (const std::bad_alloc&) {
        throw OperationImpossible("Mémoire insuffisante"_1252);
    }
    contexte_ = ContextePdf{};
    contexte_.cibles = &cibles_;
    contexte_.etirement = grille_.etirement();
    contexte_.couleurTexte = reglages_.couleurTexte;
    contexte_.couleurTrait = reglages_.couleurTrait;
    creerObjetsFixes(titre1252);
    if (!sortie_.ouvrir(chemin))
        throw OperationImpossible("Ouverture impossible du fichier PDF"_1252 +
                                  sortie_.message().substr(sortie_.message().find('\n')));
    ouverte_ = true;
}

void SurfacePdf::creerObjetsFixes(const std::string& titre1252) {
    contexte_.info = fichier_.creer<ObjetPdfInfo>(titre1252, reglages_.adresseWeb, horloge_).numero();
    creerPolice(polices_.reguliere, false);
    contexte_.format = fichier_.creer<ObjetPdfFormat>().numero();
    contexte_.listePages = fichier_.creer<ObjetPdfListePages>(pages_).numero();
    contexte_.catalogue = fichier_.creer<ObjetPdfDocument>().numero();
}

void SurfacePdf::creerPolice(const MetriquePolice& police, bool italique) {
    const std::string& nom = polices_.nom;
    const auto& descripteur = fichier_.creer<ObjetPdfDescripteurPolice>(police, nom);
    const int premier = std::min<int>(police.premierCaractere, police.dernierCaractere);
    const auto nombre = static_cast<std::int16_t>(police.dernierCaractere - premier + 1);
    const auto& largeurs = fichier_.creer<ObjetPdfTableauInt16>(&police.largeurs[premier], nombre);
    const auto& objet = fichier_.creer<ObjetPdfPolice>(police, nom, descripteur.numero(), largeurs.numero());
    (italique ? contexte_.policeItalique : contexte_.policeReguliere) = objet.numero();
}

ContenuPage& SurfacePdf::pageDe(std::int32_t colonne, std::int32_t rangee) {
    auto& entree = pages_[static_cast<std::size_t>(grille_.entree(colonne, rangee))];
    if (entree) return *entree;
    if (nombrePages_ == kPagesAvantQuestion && !questionPosee_) {
        questionPosee_ = true;
        if (question_ && !question_()) throw OperationImpossible();
    }
    auto contenu = std::make_unique<ContenuPage>(reglages_.couleurTrait, reglages_.couleurTexte);
    auto& flux =
        fichier_.creer<ObjetPdfStreamPage>(*contenu, grille_.translationX(colonne), grille_.translationY(rangee));
    auto& page = fichier_.creer<ObjetPdfPage>(flux, grille_.largeurUtile(), grille_.hauteurPage());
    contenu->attacherPage(page);
    entree = std::move(contenu);
    ++nombrePages_;
    return *entree;
}

ContenuPage& SurfacePdf::pagePrete(std::int32_t colonne, std::int32_t rangee) {
    ContenuPage& page = pageDe(colonne, rangee);
    if (page.rattraperTransformations(etat_)) pagesTransformees_.push_back(&page);
    return page;
}

template <class Dessin>
void SurfacePdf::surChaquePage(const PlagePages& plage, Dessin&& dessin) {
    for (std::int32_t c = plage.colonneDebut; c <= plage.colonneFin; ++c)
        for (std::int32_t r = plage.rangeeDebut; r <= plage.rangeeFin; ++r) dessin(pagePrete(c, r));
}

bool SurfacePdf::refuseReference(std::int64_t x, std::int64_t y) const {
    return etat_.profondeur == 0 && (x < 0 || y < 0);
}

PlagePages SurfacePdf::plagePages(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const {
    const EtatTrace& etat = etat_;
    if (etat.profondeur == 0) return grille_.plage(x1, y1, x2, y2);
    std::int64_t xMin = INT64_MAX, yMin = INT64_MAX, xMax = INT64_MIN, yMax = INT64_MIN;
    for (auto [x, y] : {std::pair{x1, y1}, std::pair{x2, y1}, std::pair{x1, y2}, std::pair{x2, y2}}) {
        PointTrace p = transformer(etat, static_cast<double>(x), static_cast<double>(y));
        xMin = std::min(xMin, p.x);
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
    return grille_.plage(xMin, yMin, xMax, yMax);
}

std::int32_t SurfacePdf::enX(std::int32_t x) const { return borne32(std::int64_t{x} + reglages_.margeGauche); }

std::int32_t SurfacePdf::enY(std::int32_t y) const { return borne32(std::int64_t{y} + reglages_.margeBas); }

void SurfacePdf::ligneHorizontale(std::int32_t x1, std::int32_t y, std::int32_t x2) {
    if (refuseReference(x1, y)) return;
    const std::int32_t X1 = enX(x1), X2 = enX(x2), Y = enY(y);
    surChaquePage(plagePages(X1, Y, X2, Y), [&](ContenuPage& p) { p.ligne(etat_, X1, Y, X2, Y); });
}

void SurfacePdf::ligneVerticale(std::int32_t x, std::int32_t y1, std::int32_t y2) {
    if (y1 > y2 || refuseReference(x, y1)) return;
    const std::int32_t X = enX(x), Y1 = enY(y1), Y2 = enY(y2);
    surChaquePage(plagePages(X, Y1, X, Y2), [&](ContenuPage& p) { p.ligne(etat_, X, Y1, X, Y2); });
}

void SurfacePdf::ligne(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    // Le segment part toujours de son bout de plus petit x.
    if (x2 < x1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (refuseReference(x1, std::min(y1, y2))) return;
    const std::int32_t X1 = enX(x1), Y1 = enY(y1), X2 = enX(x2), Y2 = enY(y2);
    surChaquePage(plagePages(X1, Y1, X2, Y2), [&](ContenuPage& p) { p.ligne(etat_, X1, Y1, X2, Y2); });
}

void SurfacePdf::rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int mode) {
    if (refuseReference(x1, y1)) return;
    const std::int32_t X1 = enX(x1), Y1 = enY(y1), X2 = enX(x2), Y2 = enY(y2);
    const std::int32_t l = borne32(std::int64_t{X2} - X1), h = borne32(std::int64_t{Y2} - Y1);
    surChaquePage(plagePages(X1, Y1, X2, Y2), [&](ContenuPage& p) {
        if (mode == 0)
            p.rectangle(etat_, X1, Y1, l, h);
        else if (mode == 1)
            p.rectanglePlein(etat_, X1, Y1, l, h);
        else
            p.rectangleDegrade(etat_, X1, Y1, l, h, static_cast<std::uint16_t>(mode));
    });
}

void SurfacePdf::polygone(std::int16_t n, const std::int32_t* points, bool plein) {
    if (n <= 0 || points == nullptr) return;
    std::vector<std::int32_t> decales(static_cast<std::size_t>(n) * 2);
    std::int64_t xMin = INT64_MAX, yMin = INT64_MAX, xMax = INT64_MIN, yMax = INT64_MIN;
    for (std::size_t i = 0; i < decales.size(); i += 2) {
        decales[i] = enX(points[i]);
        decales[i + 1] = enY(points[i + 1]);
        xMin = std::min<std::int64_t>(xMin, decales[i]);
        xMax = std::max<std::int64_t>(xMax, decales[i]);
        yMin = std::min<std::int64_t>(yMin, decales[i + 1]);
        yMax = std::max<std::int64_t>(yMax, decales[i + 1]);
    }
    // La première colonne ou rangée, en division vers zéro, ne doit pas être négative.
    if (etat_.profondeur == 0 && grille_.largeurPage() > 0 &&
        (xMin / grille_.largeurPage() < 0 || yMin / grille_.hauteurPage() < 0))
        return;
    surChaquePage(plagePages(xMin, yMin, xMax, yMax), [&](ContenuPage& p) { p.polygone(etat_, decales, plein); });
}

void SurfacePdf::courbe(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                        std::int32_t y2, std::int32_t x3, std::int32_t y3) {
    if (refuseReference(x0, y0) || refuseReference(x3, y3)) return;
    courbeMarquee({enX(x0), enY(y0), enX(x1), enY(y1), enX(x2), enY(y2), enX(x3), enY(y3)});
}

// Courbe dont les coordonnées portent déjà les marges (ou n'en veulent pas).
void SurfacePdf::courbeMarquee(const std::array<std::int32_t, 8>& p) {
    std::int64_t xMin = std::min(p[0], p[6]), xMax = std::max(p[0], p[6]);
    std::int64_t yMin = std::min(p[1], p[7]), yMax = std::max(p[1], p[7]);
    if (auto rencontre = rencontreTangentes(p)) {
        xMin = std::min(xMin, rencontre->x);
        xMax = std::max(xMax, rencontre->x);
        yMin = std::min(yMin, rencontre->y);
        yMax = std::max(yMax, rencontre->y);
    }
    surChaquePage(plagePages(xMin, yMin, xMax, yMax), [&](ContenuPage& page) { page.courbe(etat_, p); });
}

void SurfacePdf::cercle(std::int32_t cx, std::int32_t cy, std::int32_t r, bool plein) {
    if (refuseReference(std::int64_t{cx} - r, std::int64_t{cy} - r)) return;
    const std::int32_t X = enX(cx), Y = enY(cy);
    surChaquePage(plagePages(std::int64_t{X} - r, std::int64_t{Y} - r, std::int64_t{X} + r, std::int64_t{Y} + r),
                  [&](ContenuPage& p) { p.cercle(etat_, X, Y, r, plein); });
}

void SurfacePdf::arc(std::int32_t cx, std::int32_t cy, std::int32_t r, float debut, float fin) {
    const DecoupeArc decoupe = decouperArc(cx, cy, r, debut, fin);
    const std::int32_t k = poigneeQuart(r);
    // Chaque quart plein est le quart de (0, r) à (r, 0) tourné de son angle autour du centre.
    for (float alpha : decoupe.quarts) {
        if (etat_.profondeur >= 5) break;  // plus de niveau libre pour la rotation
        empilerTransformation(std::cos(alpha), std::sin(alpha), -std::sin(alpha), std::cos(alpha),
                              static_cast<float>(enX(cx)), static_cast<float>(enY(cy)));
        courbeMarquee({0, r, k, r, r, k, r, 0});
        depilerTransformation();
    }
    if (const auto& p = decoupe.reste) courbe((*p)[0], (*p)[1], (*p)[2], (*p)[3], (*p)[4], (*p)[5], (*p)[6], (*p)[7]);
}

void SurfacePdf::texte(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, const std::string& texte1252) {
    assurerPoliceItalique();
    if (refuseReference(x, y)) return;
    const std::int32_t X = enX(x), Y = enY(y);
    surChaquePage(plagePages(X, Y, std::int64_t{X} + l, std::int64_t{Y} + h),
                  [&](ContenuPage& p) { p.texte(etat_, X, Y, texte1252); });
}

void SurfacePdf::texteIncline(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, std::int32_t angle,
                              const std::string& texte1252) {
    assurerPoliceItalique();
    if (refuseReference(x, y)) return;
    const std::int32_t X = enX(x), Y = enY(y);
    const double a = angle / 10000.0, c = std::cos(a), s = std::sin(a);
    // Boîte englobante de la boîte du texte tournée autour de son origine.
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    for (auto [dx, dy] : {std::pair<double, double>{l, 0}, {0, h}, {l, h}}) {
        const double rx = dx * c - dy * s, ry = dx * s + dy * c;
        xMin = std::min(xMin, rx);
        xMax = std::max(xMax, rx);
        yMin = std::min(yMin, ry);
        yMax = std::max(yMax, ry);
    }
    surChaquePage(plagePages(X + static_cast<std::int64_t>(xMin), Y + static_cast<std::int64_t>(yMin),
                             X + static_cast<std::int64_t>(xMax), Y + static_cast<std::int64_t>(yMax)),
                  [&](ContenuPage& p) { p.texteIncline(etat_, X, Y, a, texte1252); });
}

void SurfacePdf::texteCirculaire(std::int32_t colonne, std::int32_t rangee, std::int32_t cx, std::int32_t cy,
                                 std::int32_t r, float angle, bool inverse, const std::string& texte1252) {
    assurerPoliceItalique();
    if (!grille_.contient(colonne, rangee)) return;
    const MetriquePolice& police = etat_.italique ? polices_.italique : polices_.reguliere;
    auto ecrire = [&](std::int32_t c, std::int32_t rg) {
        const EtenduePage etendue{c * grille_.largeurPage(), rg * grille_.hauteurPage(),
                                  (c + 1) * grille_.largeurPage(), (rg + 1) * grille_.hauteurPage()};
        return pagePrete(c, rg).texteCirculaire(etat_, cx, cy, r, angle, inverse, texte1252, police, etendue);
    };
    const unsigned depasse = ecrire(colonne, rangee);
    // Les voisines atteintes, diagonales comprises, à un pas seulement de la première page.
    for (int dc = -1; dc <= 1; ++dc) {
        if ((dc < 0 && !(depasse & kDepasseGauche)) || (dc > 0 && !(depasse & kDepasseDroite))) continue;
        for (int dr = -1; dr <= 1; ++dr) {
            if ((dr < 0 && !(depasse & kDepasseBas)) || (dr > 0 && !(depasse & kDepasseHaut))) continue;
            if ((dc != 0 || dr != 0) && grille_.contient(colonne + dc, rangee + dr)) ecrire(colonne + dc, rangee + dr);
        }
    }
}

void SurfacePdf::photo(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, const std::string& chemin1252) {
    if (refuseReference(x, y)) return;
    const std::int32_t X = enX(x), Y = enY(y);
    const PlagePages plage = plagePages(X, Y, std::int64_t{X} + l, std::int64_t{Y} + h);
    if (plage.estVide()) return;
    // 230,4 pixels par pouce ; au moins un pixel pour que l'image reste valide.
    auto pixels = [](std::int32_t unites) { return std::clamp(unites / 5, 1, 65500); };
    // La photo n'est lue et encodée qu'à l'écriture du fichier : ses erreurs vont alors aux messages.
    auto encoder = [messages = reglages_.messages](std::ostream& sortie, const std::string& chemin,
                                                   std::int32_t largeur, std::int32_t hauteur) {
        ecrirePhotoJpeg(sortie, chemin, {largeur, hauteur}, messages);
    };
    auto& image = fichier_.creer<ObjetPdfPhotoJpeg>(pixels(l), pixels(h), chemin1252, encoder);
    surChaquePage(plage, [&](ContenuPage& p) { p.photo(etat_, X, Y, l, h, image); });
}

void SurfacePdf::chargerImageDwa(int emplacement, const std::filesystem::path& chemin) {
    if (emplacement < 0 || emplacement >= static_cast<int>(emplacements_.size()) || !ouverte_) return;
    images_.push_back(std::make_unique<ImageDwa>(chemin));
    ImageDwa& image = *images_.back();
    const auto& masque = fichier_.creer<ObjetPdfSsImageDwa>(image, nullptr);
    const auto& couleur = fichier_.creer<ObjetPdfSsImageDwa>(image, &masque);
    const auto& forme = fichier_.creer<ObjetPdfImageDwa>(couleur);
    emplacements_[static_cast<std::size_t>(emplacement)] = {&image, forme.numero()};
}

void SurfacePdf::imageDwa(std::int32_t x, std::int32_t y, int emplacement) {
    if (emplacement < 0 || emplacement >= static_cast<int>(emplacements_.size())) return;
    const std::uint16_t forme = emplacements_[static_cast<std::size_t>(emplacement)].forme;
    if (forme == 0 || refuseReference(x, y)) return;
    const std::int32_t X = enX(x), Y = enY(y);
    surChaquePage(plagePages(X, Y, std::int64_t{X} + kCoteImageDwa, std::int64_t{Y} + kCoteImageDwa),
                  [&](ContenuPage& p) { p.imageDwa(etat_, X, Y, emplacement, forme); });
}

std::uint16_t SurfacePdf::creerDegrade(std::uint8_t r1, std::uint8_t v1, std::uint8_t b1, std::uint8_t r2,
                                       std::uint8_t v2, std::uint8_t b2, int direction) {
    const auto& fonction = fichier_.creer<ObjetPdfFctDegrade>(std::array<std::uint8_t, 6>{r1, v1, b1, r2, v2, b2});
    return fichier_.creer<ObjetPdfDegrade>(std::clamp(direction, 0, 3), fonction.numero()).numero();
}

std::uint16_t SurfacePdf::creerDegradeRadial(std::uint8_t r1, std::uint8_t v1, std::uint8_t b1, std::uint8_t r2,
                                             std::uint8_t v2, std::uint8_t b2, int milliemes) {
    const auto& fonction = fichier_.creer<ObjetPdfFctDegrade>(std::array<std::uint8_t, 6>{r1, v1, b1, r2, v2, b2});
    return fichier_.creer<ObjetPdfDegrade>(ObjetPdfDegrade::Radial{milliemes}, fonction.numero()).numero();
}

void SurfacePdf::ajouterCible(std::int32_t identifiant, std::int32_t x, std::int32_t y) {
    if (cibles_.count(identifiant)) return;
    const PointTrace p = transformer(etat_, enX(x), enY(y));
    CibleLien cible{borne32(p.x), borne32(p.y), nullptr};
    const PlagePages plage = grille_.plage(p.x, p.y, p.x, p.y);
    if (!plage.estVide()) cible.page = pageDe(plage.colonneDebut, plage.rangeeDebut).page();
    cibles_.emplace(identifiant, cible);
}

void SurfacePdf::ajouterLien(std::int32_t identifiant, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                             std::int32_t y2) {
    const PointTrace a = transformer(etat_, enX(x1), enY(y1));
    const PointTrace b = transformer(etat_, enX(x2), enY(y2));
    const std::int32_t X1 = borne32(std::min(a.x, b.x)), X2 = borne32(std::max(a.x, b.x));
    const std::int32_t Y1 = borne32(std::min(a.y, b.y)), Y2 = borne32(std::max(a.y, b.y));
    const PlagePages plage = grille_.plage(X1, Y1, X2, Y2);
    for (std::int32_t c = plage.colonneDebut; c <= plage.colonneFin; ++c) {
        for (std::int32_t r = plage.rangeeDebut; r <= plage.rangeeFin; ++r) {
            ContenuPage& page = pageDe(c, r);
            page.ajouterAnnotation(fichier_.creer<ObjetPdfAnnotationLink>(*page.page(), identifiant, X1, Y1, X2, Y2));
        }
    }
}

// Sans aucune ligne, la bande ne serait qu'un rectangle vide sur chaque document : rien n'est
// dessiné (c'est le cas des préférences d'origine).
void SurfacePdf::signature(std::int32_t x, std::int32_t y) {
    if (reglages_.polices.ligneSignature1.empty() && reglages_.polices.ligneSignature2.empty()) return;
    EtatTrace& etat = etat_;
    const EtatTrace garde = etat;
    etat.epaisseurTrait = 0.5f;
    etat.couleurTrait = couleurRvb(0, 0, 0);
    etat.couleurRemplissage = reglages_.couleurFondSignature;
    etat.taillePolice = 8;
    const std::int32_t l = polices_.largeurSignature;
    rectangle(x, y + 32, x + l, y + 496, 1);
    const std::string& ligne1 = reglages_.polices.ligneSignature1;
    const std::string& ligne2 = reglages_.polices.ligneSignature2;
    const std::int32_t u1 = largeurTexte(polices_.reguliere, ligne1) * 8 / 10;
    const std::int32_t u2 = largeurTexte(polices_.reguliere, ligne2) * 8 / 10;
    const std::int32_t x1 = x + (l - u1) / 2;
    const std::int32_t y1 = y + (ligne2.empty() ? 219 : 289);
    ecrireLigneSignature(x1, y1, ligne1, u1);
    ecrireLigneSignature(x1 + (u1 - u2) / 2, y1 - kHauteurBandeTexte, ligne2, u2);
    etat.epaisseurTrait = garde.epaisseurTrait;
    etat.couleurTrait = garde.couleurTrait;
    etat.couleurRemplissage = garde.couleurRemplissage;
    etat.taillePolice = garde.taillePolice;
}

void SurfacePdf::ecrireLigneSignature(std::int32_t x, std::int32_t y, const std::string& ligne, std::int32_t largeur) {
    if (ligne.empty()) return;
    texte(x, y, largeur, kHauteurBandeTexte, ligne);
    if (ressembleAAdresseWeb(ligne)) ligneHorizontale(x, y - 25, x + largeur + 20);
}

void SurfacePdf::empilerTransformation(float a, float b, float c, float d, float e, float f) {
    EtatTrace& etat = etat_;
    if (etat.profondeur >= static_cast<std::int8_t>(etat.transformations.size())) return;
    etat.transformations[static_cast<std::size_t>(etat.profondeur)] = {a, b, c, d, e, f};
    ++etat.profondeur;
}

void SurfacePdf::depilerTransformation() {
    EtatTrace& etat = etat_;
    if (etat.profondeur == 0) return;
    --etat.profondeur;
    for (ContenuPage* page : pagesTransformees_) page->depilerTransformations(etat.profondeur);
    if (etat.profondeur == 0) pagesTransformees_.clear();
}

void SurfacePdf::policeItalique(bool active) {
    etat_.italique = active ? 1 : 0;
    assurerPoliceItalique();
}

// Un document qui met l'italique de l'état de tracé sans passer par policeItalique aurait
// sinon des textes en /F2 sans police /F2.
void SurfacePdf::assurerPoliceItalique() {
    if (etat_.italique && ouverte_ && contexte_.policeItalique == 0) creerPolice(polices_.italique, true);
}

void SurfacePdf::fermer() {
    if (!ouverte_) return;
    contexte_.uniteUtilisateur = FichierPdf::uniteUtilisateur(grille_.largeurUtile(), grille_.hauteurUtile());
    fichier_.ecrire(sortie_.flux(), contexte_);
    const bool ecrit = sortie_.fermer();
    liberer();
    if (!ecrit) throw OperationImpossible(sortie_.message());
}

void SurfacePdf::liberer() {
    // Les objets renvoient aux pages et aux fichiers des images : ils partent les premiers.
    fichier_.vider();
    pagesTransformees_.clear();
    pages_.clear();
    emplacements_ = {};
    images_.clear();
    cibles_.clear();
    nombrePages_ = 0;
    questionPosee_ = false;
    ouverte_ = false;
    sortie_.abandonner();
}

}  // namespace lignara
