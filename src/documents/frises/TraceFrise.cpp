#include "documents/frises/TraceFrise.h"

#include <algorithm>
#include <cstdio>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/frises/LibelleFrise.h"
#include "render/ReglagesDessin.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr std::uint32_t kBlanc = couleurRvb(255, 255, 255);
constexpr std::uint32_t kGrisPointilles = couleurRvb(0xAA, 0xAA, 0xAA);
constexpr std::uint32_t kGrisGraduation = couleurRvb(0x60, 0x60, 0x60);
constexpr std::uint32_t kGrisFleche = couleurRvb(0xA0, 0xA0, 0xA0);
constexpr std::int32_t kRayonPastille = 44;

// Remet l'état de tracé comme il était (les transformations ne sont pas touchées ici).
class EtatGarde {
public:
    explicit EtatGarde(EtatTrace& e) : etat_(e), copie_(e) {}
    ~EtatGarde() {
        etat_.couleurTrait = copie_.couleurTrait;
        etat_.couleurRemplissage = copie_.couleurRemplissage;
        etat_.couleurTexte = copie_.couleurTexte;
        etat_.epaisseurTrait = copie_.epaisseurTrait;
        etat_.pointilles = copie_.pointilles;
        etat_.taillePolice = copie_.taillePolice;
        etat_.italique = copie_.italique;
    }
    EtatGarde(const EtatGarde&) = delete;
    EtatGarde& operator=(const EtatGarde&) = delete;

private:
    EtatTrace& etat_;
    const StyleTrace copie_;
};

}  // namespace

std::uint32_t couleurSurface(CategorieFrise c) {
    const CouleurFrise k = couleurCategorie(c);
    return couleurRvb(k.rouge, k.vert, k.bleu);
}

// Un texte noir sur les couleurs claires, blanc sur les foncées (luminance en millièmes).
std::uint32_t couleurTexteSur(CategorieFrise c) {
    const CouleurFrise k = couleurCategorie(c);
    const int luminance = 299 * k.rouge + 587 * k.vert + 114 * k.bleu;
    return luminance < 140 * 1000 ? kBlanc : couleurRvb(0, 0, 0);
}

TraceFrise::TraceFrise(SurfacePdf& surface, const PolicesDocument& polices) : surface_(surface), polices_(polices) {}

std::int32_t TraceFrise::largeur(const std::string& texte1252, int taille) const {
    return largeurA(polices_.reguliere, texte1252, taille);
}

std::uint16_t TraceFrise::teinte(CategorieFrise c, Teinte t) {
    std::uint16_t& n = teintes_[static_cast<std::size_t>(c) % kNombreCategoriesFrise][t];
    if (n != 0) return n;
    const CouleurFrise k = couleurCategorie(c);
    if (t == kDebut)
        n = surface_.creerDegrade(255, 255, 255, k.rouge, k.vert, k.bleu, 2);
    else if (t == kFin)
        n = surface_.creerDegrade(k.rouge, k.vert, k.bleu, 255, 255, 255, 2);
    else
        n = surface_.creerDegradeRadial(k.rouge, k.vert, k.bleu, 255, 255, 255, 100);
    return n;
}

void TraceFrise::rectanglePlein(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                std::uint32_t couleur) {
    EtatGarde garde(surface_.etat());
    surface_.etat().couleurRemplissage = couleur;
    surface_.rectangle(x1, y1, x2, y2, 1);
}

void TraceFrise::trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t couleur,
                       float epaisseur, std::uint8_t pointilles) {
    EtatGarde garde(surface_.etat());
    surface_.etat().couleurTrait = couleur;
    surface_.etat().epaisseurTrait = epaisseur;
    surface_.etat().pointilles = pointilles;
    surface_.ligne(x1, y1, x2, y2);
}

void TraceFrise::texte(std::int32_t x, std::int32_t y, const std::string& t, int taille, bool italique,
                       std::uint32_t couleur) {
    if (t.empty()) return;
    EtatGarde garde(surface_.etat());
    EtatTrace& etat = surface_.etat();
    if (couleur != kCouleurTexte) etat.couleurTexte = couleur;
    etat.taillePolice = static_cast<std::uint8_t>(taille);
    surface_.policeItalique(italique);
    const MetriquePolice& m = italique ? polices_.italique : polices_.reguliere;
    surface_.texte(x, y, largeurA(m, t, taille), taille * 16, t);
}

void TraceFrise::texteCentre(std::int32_t xCentre, std::int32_t y, const std::string& t, int taille, bool italique) {
    const MetriquePolice& m = italique ? polices_.italique : polices_.reguliere;
    texte(xCentre - largeurA(m, t, taille) / 2, y, t, taille, italique);
}

void TraceFrise::triangle(std::int32_t x, std::int32_t yBas, std::int32_t demiLargeur, std::int32_t hauteur,
                          std::uint32_t couleur) {
    EtatGarde garde(surface_.etat());
    surface_.etat().couleurRemplissage = couleur;
    const std::int32_t points[6] = {x - demiLargeur, yBas + hauteur, x + demiLargeur, yBas + hauteur, x, yBas};
    surface_.polygone(3, points, true);
}

// Disque plein au centre (le dégradé radial n'y peint pas), fondu radial, puis un cercle fin.
void TraceFrise::marque(std::int32_t x, std::int32_t yc, CategorieFrise c) {
    const std::int32_t r = kRayonMarque;
    EtatGarde garde(surface_.etat());
    EtatTrace& etat = surface_.etat();
    etat.couleurRemplissage = couleurSurface(c);
    etat.couleurTrait = couleurSurface(c);
    etat.epaisseurTrait = 0.5f;
    etat.pointilles = 0;
    surface_.rectangle(x - r, yc - r, x + r, yc + r, teinte(c, kRadiale));
    surface_.cercle(x, yc, r / 5, true);
    surface_.cercle(x, yc, r, false);
}

// Trait fondu de x1 à x2 : de la couleur au milieu vers le blanc à chaque bout.
void TraceFrise::plage(std::int32_t x1, std::int32_t x2, std::int32_t yBas, std::int32_t yHaut, CategorieFrise c) {
    const std::int32_t milieu = x1 + (x2 - x1) / 2;
    surface_.rectangle(x1, yBas, milieu, yHaut, teinte(c, kDebut));
    surface_.rectangle(milieu, yBas, x2, yHaut, teinte(c, kFin));
}

void TraceFrise::pastille(std::int32_t x, std::int32_t yc, CategorieFrise c) {
    EtatGarde garde(surface_.etat());
    EtatTrace& etat = surface_.etat();
    etat.couleurRemplissage = kBlanc;
    surface_.cercle(x, yc, kRayonPastille, true);
    etat.couleurRemplissage = couleurSurface(c);
    surface_.cercle(x, yc, kRayonPastille - 12, true);
}

void TraceFrise::evenement(const EvenementFrise& e, const EchelleTemps& echelle, std::int32_t yc,
                           std::int32_t hauteurBarre) {
    if (!e.date() || echelle.vide()) {
        libelle(e, echelle, yc, echelle.gauche(), echelle.gauche(), 0, -1);
        return;
    }
    const std::int32_t xb = echelle.x(e.debut.bas), xh = echelle.x(e.debut.haut);
    if (e.ponctuel()) {
        const std::int32_t xm = xb + (xh - xb) / 2;
        if (xh - xb > 2 * kRayonMarque) plage(xb, xh, yc - kHauteurPlage / 2, yc + kHauteurPlage / 2, e.categorie);
        marque(xm, yc, e.categorie);
        libelle(e, echelle, yc, std::min(xb, xm - kRayonMarque), std::max(xh, xm + kRayonMarque), 0, -1);
        return;
    }
    // Début sûr à partir de b, fin sûre jusqu'à c ; des bornes qui se croisent n'ont pas de partie sûre.
    // Un fondu de moins de deux points ne se verrait pas : la partie est pleine.
    const std::int32_t a = xb;
    const std::int32_t d = std::max(echelle.x(e.fin.haut), a + 4);
    std::int32_t b = std::clamp(xh, a, d);
    std::int32_t c = std::clamp(echelle.x(e.fin.bas), b, d);
    if (b - a < kFonduMinimal) b = a;
    if (d - c < kFonduMinimal) c = d;
    const std::int32_t yBas = yc - hauteurBarre / 2, yHaut = yc + hauteurBarre / 2;
    if (b > a) surface_.rectangle(a, yBas, b, yHaut, teinte(e.categorie, kDebut));
    if (c > b) rectanglePlein(b, yBas, c, yHaut, couleurSurface(e.categorie));
    if (d > c) surface_.rectangle(c, yBas, d, yHaut, teinte(e.categorie, kFin));
    libelle(e, echelle, yc, a, d, b, c);
}

// Place le libellé : dans la partie pleine [debutPlein, finPlein] quand il y tient, à droite de
// l'objet, à gauche, sinon raccourci dans la plus grande place.
void TraceFrise::libelle(const EvenementFrise& e, const EchelleTemps& echelle, std::int32_t yc,
                         std::int32_t gaucheObjet, std::int32_t droiteObjet, std::int32_t debutPlein,
                         std::int32_t finPlein) {
    const int t = kTaillePolice;
    const std::int32_t base = yc - 44;
    if (!e.date() || echelle.vide()) {
        const std::int32_t place = echelle.droite() - echelle.gauche() - kEcartLibelle;
        EvenementFrise copie = e;
        copie.finLibelle += sansDate_;
        texte(echelle.gauche() + kEcartLibelle, base, texteAjuste(copie, place, polices_.italique, t), t, true);
        return;
    }
    const std::string entier = e.texte();
    const std::int32_t l = largeur(entier, t);
    const std::int32_t dedans = finPlein - debutPlein - 2 * kEcartLibelle;
    const std::int32_t droite = echelle.droite() + kLongueurFleche - droiteObjet - kEcartLibelle;
    const std::int32_t gauche = gaucheObjet - kEcartLibelle - echelle.gauche();
    if (l <= dedans) return texte(debutPlein + kEcartLibelle, base, entier, t, false, couleurTexteSur(e.categorie));
    if (l <= droite) return texte(droiteObjet + kEcartLibelle, base, entier, t);
    if (l <= gauche) return texte(gaucheObjet - kEcartLibelle - l, base, entier, t);
    const std::int32_t place = std::max({dedans, droite, gauche});
    if (place <= 0) return;
    const std::string court = texteAjuste(e, place, polices_.reguliere, t);
    const std::int32_t lc = largeur(court, t);
    if (place == dedans)
        texte(debutPlein + kEcartLibelle, base, court, t, false, couleurTexteSur(e.categorie));
    else if (place == droite)
        texte(droiteObjet + kEcartLibelle, base, court, t);
    else
        texte(gaucheObjet - kEcartLibelle - lc, base, court, t);
}

void TraceFrise::axe(const EchelleTemps& echelle, std::int32_t yAxe, std::int32_t yHaut) {
    const std::int32_t g = echelle.gauche(), d = echelle.droite();
    const std::int32_t demi = kHauteurAxe / 2;
    if (teinteAxe_ == 0) teinteAxe_ = surface_.creerDegrade(0xC8, 0xC8, 0xC8, 0xF5, 0xF5, 0xF5, 0);
    surface_.rectangle(g, yAxe - demi, d, yAxe + demi, teinteAxe_);
    {
        EtatGarde garde(surface_.etat());
        surface_.etat().couleurRemplissage = kGrisFleche;
        const std::int32_t pointe[6] = {d, yAxe + 2 * demi, d + kLongueurFleche, yAxe, d, yAxe - 2 * demi};
        surface_.polygone(3, pointe, true);
    }
    for (const Graduation& gr : echelle.graduations()) {
        trait(gr.x, yAxe + demi, gr.x, yHaut, kGrisPointilles, 0.5f, 2);
        trait(gr.x, yAxe - demi - 40, gr.x, yAxe + demi, kGrisGraduation, 0.5f);
        if (gr.x > d - kSansAnneePres) continue;
        char annee[16];
        std::snprintf(annee, sizeof annee, "%d", gr.annee);
        texteCentre(gr.x, yAxe - demi - 40 - 150, annee, kTaillePolice);
    }
}

}  // namespace lignara

namespace lignara {

std::int32_t largeurFrise(const ReglagesDessin& r) {
    const FormatPapier papier = formatPapierOuNonPagine(r.formatPapier);
    const std::int32_t utile =
        papier.estPagine() ? papier.largeurUtile : formatPapierOuNonPagine(kA4Paysage).largeurUtile;
    return std::max<std::int32_t>(utile - r.margeGauche - r.margeDroite, 4000);
}

std::int32_t hauteurPageFrise(const ReglagesDessin& r) {
    const FormatPapier papier = formatPapierOuNonPagine(r.formatPapier);
    return papier.estPagine() ? papier.hauteurUtile / TraceFrise::kLigne * TraceFrise::kLigne : 0;
}

std::int32_t hauteurSurPages(std::int64_t contenu, const ReglagesDessin& r) {
    const std::int64_t page = hauteurPageFrise(r);
    const std::int64_t marges = std::int64_t{r.margeHaut} + r.margeBas;
    std::int64_t h = contenu;
    if (page > 0) h = (contenu + marges + page - 1) / page * page - marges;
    if (h > 0x7FFFFFFF - 0x10000) throw OperationImpossible("Mémoire insuffisante"_1252);
    return static_cast<std::int32_t>(std::max<std::int64_t>(h, contenu));
}

}  // namespace lignara
