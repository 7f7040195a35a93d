#include "documents/roues/SecteursAscendants.h"

#include <algorithm>
#include <cmath>

#include "documents/AjustementNom.h"
#include "documents/SelectionPersonne.h"
#include "documents/roues/GeometrieRoue.h"

namespace lignara {

namespace {

using roue::CosSin;

// Pas de la table couverts par un secteur de l'anneau k.
int pasParSecteur(int anneau, bool demiRoue) { return 1 << ((demiRoue ? 7 : 8) - anneau); }

// Ce que les modes savent d'un secteur.
struct Secteur {
    std::int32_t ri = 0, ro = 0;  // rayons intérieur et extérieur
    std::int32_t theta = 0;       // angle médian, dix-millièmes de radian
    CosSin milieu;                // cosinus et sinus du pas médian
    double ouverture = 0;         // angle du secteur, radians
};

Secteur secteurDe(const AncetreRoue& a, bool demiRoue) {
    const int pas = pasParSecteur(a.anneau, demiRoue);
    const int j0 = static_cast<int>(a.indice) * pas, j1 = j0 + pas;
    Secteur s;
    s.ri = roue::rayonCercle(a.anneau);
    s.ro = roue::rayonCercle(a.anneau + 1);
    s.theta = (roue::angleDuPas(j0) + roue::angleDuPas(j1)) / 2;
    s.milieu = roue::pasTable((j0 + j1) / 2);
    s.ouverture = pas * 2 * roue::kPiExact / roue::kPasTable;
    return s;
}

TexteRoue texte(std::string t, std::uint8_t sexe) {
    TexteRoue r;
    r.texte = std::move(t);
    r.sexe = sexe;
    return r;
}

// Mode 1 : une ligne le long de l'arc de rayon r, centrée sur l'angle médian. Sa largeur est
// l'arc au plus petit rayon que ses lettres touchent : la ligne de base à l'endroit, le haut
// des lettres à l'envers.
void ligneCirculaire(DessinRoue& d, const Secteur& s, std::int32_t r, bool inverse, const std::string& brut,
                     std::uint8_t sexe, const MetriquePolice& police) {
    const std::int32_t interieur = r - (inverse ? kHautLettres : kBasLettres);
    const auto disponible = static_cast<std::int32_t>(interieur * s.ouverture) - 90;
    TexteRoue t = texte(ajusterTexte(disponible, brut, police), sexe);
    const std::int32_t w = largeurTexte(police, t.texte);
    const std::int32_t demi = w * 5000 / r;
    t.forme = TexteRoue::Forme::Circulaire;
    t.rayon = r;
    t.inverse = inverse;
    t.depart = static_cast<float>(inverse ? s.theta - demi : s.theta + demi) / 10000.0f;
    d.textes.push_back(std::move(t));
}

void modeArcs(DessinRoue& d, const AncetreRoue& a, const Secteur& s, const MetriquePolice& police) {
    const std::int32_t somme = s.ri + s.ro;
    if (s.milieu.sin >= 0) {
        ligneCirculaire(d, s, (somme + 176) / 2 - 44, false, a.prenoms, a.sexe, police);
        ligneCirculaire(d, s, (somme - 176) / 2 - 44, false, a.nom, a.sexe, police);
    } else {
        ligneCirculaire(d, s, (somme - 176) / 2 + 22, true, a.prenoms, a.sexe, police);
        ligneCirculaire(d, s, (somme + 176) / 2 + 22, true, a.nom, a.sexe, police);
    }
}

// Ligne rayonnante : à droite elle part à 45 du cercle intérieur, à gauche elle y finit.
void ligneRayonnante(DessinRoue& d, const Secteur& s, std::int32_t theta, CosSin cs, std::int32_t decalage,
                     std::string brut, std::uint8_t sexe, const MetriquePolice& police) {
    const std::int32_t w = largeurTexte(police, brut);
    TexteRoue t = texteRayonnant(theta, cs, s.ri + 45, decalage, s.ro - s.ri - 90, w);
    t.texte = std::move(brut);
    t.sexe = sexe;
    d.textes.push_back(std::move(t));
}

void modeDeuxLignes(DessinRoue& d, const AncetreRoue& a, const Secteur& s, const MetriquePolice& police) {
    const std::int32_t boite = s.ro - s.ri - 90;
    ligneRayonnante(d, s, s.theta, s.milieu, 96, ajusterTexte(boite, a.prenoms, police), a.sexe, police);
    ligneRayonnante(d, s, s.theta, s.milieu, -128, ajusterTexte(boite, a.nom, police), a.sexe, police);
}

// Le côté de la rotation suit le cosinus : lisant vers l'extérieur, les lettres montent du
// côté trigonométrique et la ligne recule ; lisant vers le centre, c'est l'inverse.
void modeUneLigne(DessinRoue& d, const AncetreRoue& a, const Secteur& s, const MetriquePolice& police) {
    const bool droite = std::cos(s.theta / 10000.0) >= 0;
    const std::int32_t theta = droite ? s.theta - 52 : s.theta + 52;
    const std::int32_t boite = s.ro - s.ri - 90;
    ligneRayonnante(d, s, theta, roue::cosSinAngle(theta), 0, ajusterPrenomsNom(boite, a.prenoms, a.nom, police),
                    a.sexe, police);
}

// Demi-roue, anneaux 5 à 7 : les secteurs n'ont que la moitié de l'angle de ceux de la roue
// entière, trop peu pour deux lignes. Une seule ligne « Prénoms NOM », ses lettres centrées
// sur la ligne médiane du secteur, qui commence où le secteur devient assez large pour elles.
void modeUneLigneDemiRoue(DessinRoue& d, const AncetreRoue& a, const Secteur& s, const MetriquePolice& police) {
    // θ, ses cosinus et le point de départ sont arrondis : trois unités de marge de chaque côté.
    const double demiLargeur = (kHautLettres + kBasLettres) / 2.0 + 3;
    const auto assezLarge = static_cast<std::int32_t>(std::ceil(demiLargeur / std::tan(s.ouverture / 2)));
    const std::int32_t depart = std::max(s.ri + 45, assezLarge);
    const std::int32_t boite = s.ro - 45 - depart;
    std::string brut = ajusterPrenomsNom(boite, a.prenoms, a.nom, police);
    // Un secteur d'un seul pas n'a pas de pas médian dans la table : cosinus et sinus de θ.
    TexteRoue t = texteRayonnant(s.theta, roue::cosSinAngle(s.theta), depart, -(kHautLettres - kBasLettres) / 2, boite,
                                 largeurTexte(police, brut));
    t.texte = std::move(brut);
    t.sexe = a.sexe;
    d.textes.push_back(std::move(t));
}

void tracerCercles(DessinRoue& d, const ReglesRoueAscendante& r) {
    d.cercle(roue::rayonCercle(1));
    for (int c = 2; c <= r.generations; ++c) {
        if (r.demiRoue)
            d.arc(roue::rayonCercle(c), 0, roue::kPiExact);
        else
            d.cercle(roue::rayonCercle(c));
    }
}

void tracerRayons(DessinRoue& d, const ReglesRoueAscendante& r) {
    const int fin = r.demiRoue ? roue::kPasTable / 2 : roue::kPasTable;
    for (int g = 1; g < r.generations; ++g) {
        const int pas = pasParSecteur(g, r.demiRoue);
        const std::int32_t ri = roue::rayonCercle(g), ro = roue::rayonCercle(g + 1);
        // La demi-roue ferme ses deux bords ; la roue entière a son dernier rayon au pas 0.
        for (int j = 0; j < fin || (r.demiRoue && j == fin); j += pas) {
            const CosSin cs = roue::pasTable(j);
            d.segment(ri * cs.cos / 10000, ri * cs.sin / 10000, ro * cs.cos / 10000, ro * cs.sin / 10000);
        }
    }
}

}  // namespace

std::vector<AncetreRoue> ancetresRoue(const ContexteDocument& contexte, std::uint32_t racine, int generations) {
    const BaseGenealogique& base = *contexte.base;
    SelectionPersonne noms(contexte);
    auto ancetre = [](std::uint32_t personne, int anneau, std::uint32_t indice) {
        AncetreRoue a;
        a.personne = personne;
        a.anneau = anneau;
        a.indice = indice;
        return a;
    };
    std::vector<AncetreRoue> ancetres;
    std::vector<AncetreRoue> anneau{ancetre(racine, 0, 0)};
    for (int g = 0; g < generations && !anneau.empty(); ++g) {
        std::vector<AncetreRoue> suivant;
        for (AncetreRoue& a : anneau) {
            const Individu ind = base.LireIndividu(a.personne);
            a.sexe = ind.sexe;
            a.nom = noms.nomDe(a.personne);
            a.prenoms = noms.prenomsDe(a.personne);
            if (g + 1 < generations) {
                if (ind.pere) suivant.push_back(ancetre(ind.pere, g + 1, 2 * a.indice));
                if (ind.mere) suivant.push_back(ancetre(ind.mere, g + 1, 2 * a.indice + 1));
            }
            ancetres.push_back(std::move(a));
        }
        anneau.swap(suivant);
    }
    return ancetres;
}

void placerNomsAncetre(DessinRoue& dessin, const AncetreRoue& ancetre, bool demiRoue, const MetriquePolice& police) {
    const Secteur s = secteurDe(ancetre, demiRoue);
    const int mode = roue::modeCercle(ancetre.anneau + 1);
    if (demiRoue && mode >= 2) return modeUneLigneDemiRoue(dessin, ancetre, s, police);
    switch (mode) {
        case 1: modeArcs(dessin, ancetre, s, police); break;
        case 2: modeDeuxLignes(dessin, ancetre, s, police); break;
        default: modeUneLigne(dessin, ancetre, s, police); break;
    }
}

std::int32_t largeurDansDisque(std::int32_t rayon, std::int32_t y) {
    const double loin = std::max(std::abs(y + kHautLettres), std::abs(y - kBasLettres));
    if (loin >= rayon) return 0;
    return static_cast<std::int32_t>(2 * std::sqrt(double(rayon) * rayon - loin * loin)) - 90;
}

void placerCentre(DessinRoue& dessin, std::int32_t rayon, const NomRoue& racine, const std::vector<NomRoue>& conjoints,
                  const MetriquePolice& reguliere, const MetriquePolice& italique) {
    auto ligne = [&](std::string ajuste, std::int32_t y, std::uint8_t sexe, bool enItalique) {
        TexteRoue t = texte(std::move(ajuste), sexe);
        t.largeur = largeurTexte(enItalique ? italique : reguliere, t.texte);
        t.x = -t.largeur / 2;
        t.y = y;
        t.italique = enItalique;
        dessin.textes.push_back(std::move(t));
    };
    ligne(ajusterTexte(largeurDansDisque(rayon, 32), racine.prenoms, reguliere), 32, racine.sexe, false);
    ligne(ajusterTexte(largeurDansDisque(rayon, -128), racine.nom, reguliere), -128, racine.sexe, false);
    std::int32_t y = -128;
    for (const NomRoue& c : conjoints) {
        y -= DessinRoue::kHauteurLigne;
        const std::int32_t largeur = largeurDansDisque(rayon, y);
        if (largeur <= 0) break;
        ligne(ajusterPrenomsNom(largeur, c.prenoms, c.nom, italique), y, c.sexe, true);
    }
}

void dessinerRoueAscendante(DessinRoue& dessin, const std::vector<AncetreRoue>& ancetres,
                            const ReglesRoueAscendante& regles) {
    tracerCercles(dessin, regles);
    tracerRayons(dessin, regles);
    for (const AncetreRoue& a : ancetres)
        if (a.anneau >= 1 && a.anneau < regles.generations)
            placerNomsAncetre(dessin, a, regles.demiRoue, *regles.police);
}

}  // namespace lignara
