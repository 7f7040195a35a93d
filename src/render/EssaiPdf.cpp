#include "render/EssaiPdf.h"

#include <cmath>
#include <numbers>

#include "commun/Texte.h"
#include "render/EtatTrace.h"
#include "commun/MetriquePolice.h"

namespace lignara {

namespace {

constexpr std::int16_t kColonnes = 2;
constexpr std::int16_t kRangees = 4;
constexpr std::int32_t kLigne = 176;
constexpr float kPi = std::numbers::pi_v<float>;

// Dessine sur une page de la grille : (x, y) relatifs au coin bas gauche de la page, marges
// retirées, pour que chaque famille tienne sur sa propre page.
class Planche {
public:
    Planche(SurfacePdf& s, const ReglagesDessin& r, std::int32_t l, std::int32_t h)
        : surface(s), reglages(r), largeurCase(l), hauteurCase(h) {}

    // Positions pensées pour une page A4 portrait (9072 × 13024), ramenées à la page du format
    // choisi pour que chaque famille reste sur sa page.
    std::int32_t x(int colonne, std::int32_t dx) const {
        const std::int32_t l = largeurCase;
        return colonne * l - reglages.margeGauche + static_cast<std::int32_t>(std::int64_t{dx} * l / 9072);
    }
    std::int32_t y(int rangee, std::int32_t dy) const {
        const std::int32_t h = hauteurCase;
        return rangee * h - reglages.margeBas + static_cast<std::int32_t>(std::int64_t{dy} * h / 13024);
    }
    void titre(int c, int r, const char* texte1252) {
        EtatTrace& e = surface.etat();
        e.taillePolice = 16;
        surface.texte(x(c, 400), y(r, 12400), largeur(texte1252, 16), 2 * kLigne, texte1252);
        e.taillePolice = 10;
    }
    std::int32_t largeur(const std::string& texte1252, int taille = 10) const {
        return largeurTexte(surface.polices().reguliere, texte1252) * taille / 10;
    }
    void etiquette(int c, int r, std::int32_t dx, std::int32_t dy, const std::string& texte1252) {
        surface.texte(x(c, dx), y(r, dy), largeur(texte1252), kLigne, texte1252);
    }

    SurfacePdf& surface;
    const ReglagesDessin& reglages;
    std::int32_t largeurCase;  // une page du format, ou une part du dessin non paginé
    std::int32_t hauteurCase;
};

void dessinerLignes(Planche& p) {
    EtatTrace& e = p.surface.etat();
    p.titre(0, 3, "Lignes : trois styles de tirets, quatre épaisseurs"_1252);
    const char* styles[] = {"plein", "tirets", "points"};
    const float epaisseurs[] = {0.5f, 1.0f, 2.0f, 4.0f};
    std::int32_t dy = 11600;
    for (std::uint8_t style = 0; style < 3; ++style) {
        for (float epaisseur : epaisseurs) {
            e.pointilles = style;
            e.epaisseurTrait = epaisseur;
            p.surface.ligneHorizontale(p.x(0, 2400), p.y(3, dy), p.x(0, 8000));
            char texte[64];
            std::snprintf(texte, sizeof texte, "%s, %.1f pt", styles[style], epaisseur);
            p.etiquette(0, 3, 400, dy - 40, texte);
            dy -= 560;
        }
    }
    e.pointilles = 0;
    e.epaisseurTrait = 1.0f;
    const std::uint32_t couleurs[] = {couleurRvb(200, 0, 0), couleurRvb(0, 0, 200), couleurRvb(0, 150, 0),
                                      couleurRvb(230, 140, 0)};
    for (int i = 0; i < 24; ++i) {
        e.couleurTrait = couleurs[i % 4];
        p.surface.ligne(p.x(0, 800 + 300 * i), p.y(3, 1200), p.x(0, 4600), p.y(3, 4400));
    }
    p.surface.ligneVerticale(p.x(0, 8000), p.y(3, 1200), p.y(3, 4400));
    e.couleurTrait = p.reglages.couleurTrait;
    e.epaisseurTrait = 0.5f;
    p.etiquette(0, 3, 6600, 600, "Ce texte passe sur la page voisine, à droite »»»"_1252);
}

void dessinerRectangles(Planche& p) {
    EtatTrace& e = p.surface.etat();
    p.titre(0, 2, "Rectangles : contours, pleins et dégradés"_1252);
    p.surface.rectangle(p.x(0, 400), p.y(2, 9600), p.x(0, 3400), p.y(2, 11600), 0);
    p.surface.rectangle(p.x(0, 4000), p.y(2, 9600), p.x(0, 7000), p.y(2, 11600), 1);
    e.couleurRemplissage = couleurRvb(220, 60, 60);
    p.surface.rectangle(p.x(0, 4400), p.y(2, 10000), p.x(0, 6600), p.y(2, 11200), 1);
    e.couleurRemplissage = p.reglages.couleurRemplissage;
    const char* sens[] = {"gris en haut", "gris en bas", "gris à gauche"_1252, "gris à droite"_1252};
    for (int direction = 0; direction < 4; ++direction) {
        const std::uint16_t degrade = p.surface.creerDegrade(200, 200, 200, 255, 255, 255, direction);
        const std::int32_t gauche = 400 + 2000 * direction;
        p.surface.rectangle(p.x(0, gauche), p.y(2, 5600), p.x(0, gauche + 1700), p.y(2, 8400), degrade);
        p.surface.rectangle(p.x(0, gauche), p.y(2, 5600), p.x(0, gauche + 1700), p.y(2, 8400), 0);
        p.etiquette(0, 2, gauche, 5200, sens[direction]);
    }
    const std::uint16_t bleu = p.surface.creerDegrade(40, 80, 200, 255, 255, 255, 2);
    p.surface.rectangle(p.x(0, 400), p.y(2, 1200), p.x(0, 8000), p.y(2, 4400), bleu);
}

void dessinerPolygonesEtCourbes(Planche& p) {
    EtatTrace& e = p.surface.etat();
    p.titre(0, 1, "Polygones et courbes"_1252);
    std::int32_t etoile[20];
    for (int i = 0; i < 10; ++i) {
        const double a = std::numbers::pi / 2 + i * std::numbers::pi / 5, r = i % 2 ? 700 : 1600;
        etoile[2 * i] = p.x(0, 2200) + static_cast<std::int32_t>(r * std::cos(a));
        etoile[2 * i + 1] = p.y(1, 9800) + static_cast<std::int32_t>(r * std::sin(a));
    }
    p.surface.polygone(10, etoile, true);
    for (int i = 0; i < 20; i += 2) etoile[i] += 4200;
    p.surface.polygone(10, etoile, false);
    const std::int32_t triangle[] = {p.x(0, 400), p.y(1, 6000), p.x(0, 3400), p.y(1, 6000), p.x(0, 1900), p.y(1, 7600)};
    e.couleurRemplissage = couleurRvb(250, 200, 60);
    p.surface.polygone(3, triangle, true);
    e.couleurRemplissage = p.reglages.couleurRemplissage;
    e.epaisseurTrait = 1.5f;
    for (int i = 0; i < 5; ++i) {
        e.couleurTrait = couleurRvb(static_cast<std::uint8_t>(50 * i), 0, static_cast<std::uint8_t>(200 - 40 * i));
        p.surface.courbe(p.x(0, 4000), p.y(1, 6000), p.x(0, 4800 + 400 * i), p.y(1, 8000), p.x(0, 6400 - 400 * i),
                         p.y(1, 4000), p.x(0, 8000), p.y(1, 7000));
    }
    e.couleurTrait = couleurRvb(0, 0, 0);
    p.surface.courbe(p.x(0, 400), p.y(1, 1200), p.x(0, 400), p.y(1, 5000), p.x(0, 8000), p.y(1, 5000), p.x(0, 8000),
                     p.y(1, 1200));
    e.couleurTrait = p.reglages.couleurTrait;
    e.epaisseurTrait = 0.5f;
}

void dessinerCerclesEtArcs(Planche& p) {
    EtatTrace& e = p.surface.etat();
    p.titre(0, 0, "Cercles, disques et arcs dans les quatre quadrants"_1252);
    p.surface.cercle(p.x(0, 1600), p.y(0, 10000), 1200, false);
    p.surface.cercle(p.x(0, 4300), p.y(0, 10000), 1200, true);
    e.couleurRemplissage = couleurRvb(120, 180, 250);
    p.surface.cercle(p.x(0, 7000), p.y(0, 10000), 1200, true);
    e.couleurRemplissage = p.reglages.couleurRemplissage;
    p.surface.cercle(p.x(0, 7000), p.y(0, 10000), 1200, false);
    e.epaisseurTrait = 2.0f;
    const std::uint32_t couleurs[] = {couleurRvb(200, 0, 0), couleurRvb(0, 150, 0), couleurRvb(0, 0, 200),
                                      couleurRvb(200, 120, 0)};
    for (int q = 0; q < 4; ++q) {
        e.couleurTrait = couleurs[q];
        const float debut = static_cast<float>(q) * kPi / 2;
        p.surface.arc(p.x(0, 2400), p.y(0, 5600), 1600, debut + 0.15f, debut + kPi / 2 - 0.15f);
    }
    // Balayages de plus d'un quart : quarts tournés puis reste direct.
    e.couleurTrait = couleurRvb(120, 0, 160);
    p.surface.arc(p.x(0, 6400), p.y(0, 5600), 1600, 0.3f, 0.3f + 1.5f * kPi);
    e.couleurTrait = couleurRvb(0, 0, 0);
    p.surface.arc(p.x(0, 6400), p.y(0, 5600), 1000, -kPi / 4, 3 * kPi / 4);
    p.etiquette(0, 0, 400, 3200, "quatre quarts de couleurs, puis 270° et 180°"_1252);
    e.couleurTrait = p.reglages.couleurTrait;
    e.epaisseurTrait = 0.5f;
}

void dessinerTextes(Planche& p) {
    EtatTrace& e = p.surface.etat();
    SurfacePdf& s = p.surface;
    p.titre(1, 3, "Textes droits, inclinés et circulaires"_1252);
    const std::string accents = "Généalogie : àâäçéèêëîïôöùûüÿ ÀÂÇÉÈÊÎÔÙ Œœ € « » (parenthèses) \\"_1252;
    p.etiquette(1, 3, 400, 11600, accents);
    s.policeItalique(true);
    p.etiquette(1, 3, 400, 11300, "Italique : Frère aîné, née à Besançon"_1252);
    s.policeItalique(false);
    e.taillePolice = 14;
    e.couleurTexte = couleurRvb(0, 0, 170);
    s.texte(p.x(1, 400), p.y(3, 10800), p.largeur("Quatorze points, bleu", 14), kLigne, "Quatorze points, bleu");
    e.couleurTexte = p.reglages.couleurTexte;
    e.taillePolice = 10;
    for (int i = 0; i < 7; ++i) {
        const std::string t = "              incliné de "_1252 + std::to_string(15 * i) + "°"_1252;
        s.texteIncline(p.x(1, 900), p.y(3, 6400), p.largeur(t), kLigne,
                       static_cast<std::int32_t>(15 * i * std::numbers::pi / 180 * 10000), t);
    }
    // Texte circulaire : centre marges comprises, page du point de départ.
    const std::int32_t cx = p.x(1, 6000) + p.reglages.margeGauche;
    const std::int32_t cy = p.y(3, 6400) + p.reglages.margeBas;
    const PlagePages depart = s.plagePages(cx, cy + 1800, cx, cy + 1800);
    s.cercle(p.x(1, 6000), p.y(3, 6400), 1600, false);
    s.texteCirculaire(depart.colonneDebut, depart.rangeeDebut, cx, cy, 1800, 2.6f, false,
                      "Autour du cercle, dans le sens des aiguilles"_1252);
    s.texteCirculaire(depart.colonneDebut, depart.rangeeDebut, cx, cy, 1300, 3.8f, true,
                      "à l'envers, lisible en bas"_1252);
}

void dessinerImages(Planche& p, const DemandeEssaiPdf& d) {
    SurfacePdf& s = p.surface;
    p.titre(1, 2, "Photo et images internes"_1252);
    std::string photo = d.photo1252;
    if (photo.empty()) {
        auto u8 = (d.dossierDonnees / "Themes" / "Degrade.jpg").u8string();
        photo = depuisUtf8(std::string(u8.begin(), u8.end()));
    }
    s.photo(p.x(1, 400), p.y(2, 6400), 4000, 5200, photo);
    s.rectangle(p.x(1, 400), p.y(2, 6400), p.x(1, 4400), p.y(2, 11600), 0);
    p.etiquette(1, 2, 400, 6000, "Photo ré-encodée en JPEG (800 × 1040 pixels)"_1252);
    s.chargerImageDwa(0, d.dossierDonnees / "Themes" / "Rond-rose.dwa");
    s.chargerImageDwa(1, d.dossierDonnees / "Themes" / "Rond-vert-clair.dwa");
    for (int i = 0; i < 6; ++i) {
        s.imageDwa(p.x(1, 5000 + 500 * i), p.y(2, 10800), i % 2);
        s.imageDwa(p.x(1, 5000 + 500 * i), p.y(2, 10300 - 200 * i), (i + 1) % 2);
    }
    p.etiquette(1, 2, 5000, 8400, "Rond-rose.dwa et Rond-vert-clair.dwa"_1252);
    s.photo(p.x(1, 400), p.y(2, 1200), 2000, 2000, "photo-absente.jpg");
    p.etiquette(1, 2, 2600, 2000, "Photo absente : image blanche"_1252);
}

void dessinerLiensEtTransformations(Planche& p) {
    EtatTrace& e = p.surface.etat();
    SurfacePdf& s = p.surface;
    p.titre(1, 1, "Liens et transformations"_1252);
    const std::string aller = "Lien : aller à la page des lignes (première page)"_1252;
    p.etiquette(1, 1, 400, 11600, aller);
    s.ajouterLien(1, p.x(1, 400), p.y(1, 11560), p.x(1, 400) + p.largeur(aller), p.y(1, 11780));
    s.rectangle(p.x(1, 380), p.y(1, 11540), p.x(1, 420) + p.largeur(aller), p.y(1, 11800), 0);
    // Carrés tournés autour d'un même centre, niveaux imbriqués.
    const float cx = static_cast<float>(p.x(1, 4400) + p.reglages.margeGauche);
    const float cy = static_cast<float>(p.y(1, 6000) + p.reglages.margeBas);
    for (int i = 0; i < 6; ++i) {
        const float a = static_cast<float>(i) * kPi / 12;
        s.empilerTransformation(std::cos(a), std::sin(a), -std::sin(a), std::cos(a), cx, cy);
        e.couleurTrait = couleurRvb(static_cast<std::uint8_t>(40 * i), 0, 160);
        // Coordonnées négatives, permises sous une transformation ; marges suspendues.
        s.rectangle(-1800 - p.reglages.margeGauche, -1800 - p.reglages.margeBas, 1800 - p.reglages.margeGauche,
                    1800 - p.reglages.margeBas, 0);
        s.depilerTransformation();
    }
    s.empilerTransformation(1, 0, 0, 1, cx, cy);
    s.empilerTransformation(0.5f, 0, 0, 0.5f, 0, 0);
    s.texte(-1000 - p.reglages.margeGauche, -p.reglages.margeBas, 4000, kLigne, "demi-taille, deux niveaux");
    s.depilerTransformation();
    s.depilerTransformation();
    e.couleurTrait = p.reglages.couleurTrait;
}

void dessinerSignatureEtChevauchements(Planche& p) {
    EtatTrace& e = p.surface.etat();
    SurfacePdf& s = p.surface;
    p.titre(1, 0, "Signature et tracés à cheval sur les pages"_1252);
    s.signature(p.x(1, 400), p.y(0, 11000));
    p.etiquette(1, 0, 400, 9600, "Bande de signature ci-dessus"_1252);
    // Un grand cercle centré sur le coin commun de quatre pages.
    e.epaisseurTrait = 3.0f;
    e.couleurTrait = couleurRvb(230, 120, 0);
    s.cercle(p.x(1, 0) + p.reglages.margeGauche, p.y(1, 0) + p.reglages.margeBas, 2400, false);
    e.couleurTrait = couleurRvb(0, 0, 0);
    e.pointilles = 1;
    s.ligne(p.x(0, 400), p.y(0, 2800), p.x(1, 8000), p.y(3, 800));
    e.pointilles = 0;
    e.couleurTrait = p.reglages.couleurTrait;
    e.epaisseurTrait = 0.5f;
}

}  // namespace

int ecrireEssaiPdf(const DemandeEssaiPdf& demande, const ReglagesDessin& reglages) {
    SurfacePdf surface(reglages, demande.polices, demande.horloge, demande.question);
    FormatPapier format = formatPapierOuNonPagine(reglages.formatPapier);
    // Sans pagination, le dessin garde la taille de huit pages A4 sur une seule page.
    if (!format.estPagine()) format = *formatPapier(kA4Portrait);
    const std::int32_t largeurCase = format.largeurUtile;
    const std::int32_t hauteurCase = format.hauteurUtile / kLigne * kLigne;
    surface.ouvrir(demande.sortie, "Essai de la surface PDF", 100,
                   kColonnes * largeurCase - reglages.margeGauche - reglages.margeDroite,
                   kRangees * hauteurCase - reglages.margeBas - reglages.margeHaut);
    Planche planche(surface, reglages, largeurCase, hauteurCase);
    dessinerLignes(planche);
    surface.ajouterCible(1, planche.x(0, 400), planche.y(3, 12800));
    dessinerRectangles(planche);
    dessinerPolygonesEtCourbes(planche);
    dessinerCerclesEtArcs(planche);
    dessinerTextes(planche);
    dessinerImages(planche, demande);
    dessinerLiensEtTransformations(planche);
    dessinerSignatureEtChevauchements(planche);
    const int pages = surface.nombrePages();
    surface.fermer();
    return pages;
}

}  // namespace lignara
