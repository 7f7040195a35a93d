#include "documents/cartes/DessinCarte.h"

namespace lignara {

namespace {

void polygone(SurfacePdf& surface, const std::vector<std::int32_t>& points, bool plein) {
    surface.polygone(static_cast<std::int16_t>(points.size() / 2), points.data(), plein);
}

}  // namespace

void ecrireDessinCarte(const DessinCarte& dessin, SurfacePdf& surface) {
    EtatTrace& etat = surface.etat();
    const EtatTrace avant = etat;
    for (const DessinCarte::Remplissage& r : dessin.remplissages) {
        etat.couleurRemplissage = r.couleur;
        polygone(surface, r.points, true);
    }
    etat.epaisseurTrait = dessin.epaisseurContours;
    for (const auto& c : dessin.contours) polygone(surface, c, false);
    for (const DessinCarte::Fleche& f : dessin.fleches) {
        etat.couleurTrait = f.couleur;
        etat.couleurRemplissage = f.couleur;
        etat.epaisseurTrait = f.epaisseur;
        const auto& c = f.courbe;
        surface.courbe(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
        surface.polygone(3, f.pointe.data(), true);
    }
    for (const DessinCarte::Echantillon& e : dessin.echantillons) {
        etat.couleurTrait = e.couleur;
        etat.epaisseurTrait = e.epaisseur;
        surface.ligneHorizontale(e.x1, e.y, e.x2);
    }
    etat.couleurTrait = avant.couleurTrait;
    etat.epaisseurTrait = 0.5f;
    for (const DessinCarte::Cadre& c : dessin.cadres) surface.rectangle(c.x1, c.y1, c.x2, c.y2, 0);
    for (const DessinCarte::Texte& t : dessin.textes) surface.texte(t.x, t.y, t.largeur, 176, t.texte);
    if (dessin.signature) surface.signature((*dessin.signature)[0], (*dessin.signature)[1]);
    etat = avant;
}

}  // namespace lignara
