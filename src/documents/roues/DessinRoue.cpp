#include "documents/roues/DessinRoue.h"

#include <algorithm>
#include <cmath>

#include "render/SurfacePdf.h"

namespace lignara {

namespace {

std::uint32_t couleurDuNom(std::uint8_t sexe, const CouleursNoms& couleurs, std::uint32_t couleurTexte) {
    if (!couleurs.parSexe) return couleurTexte;
    if (sexe == 'F') return couleurs.femmes;
    if (sexe == 'M') return couleurs.hommes;
    return couleurTexte;
}

void ecrireTexte(const DessinRoue& d, const TexteRoue& t, SurfacePdf& surface, const ReglagesDessin& reglages) {
    const std::int32_t x = d.cx + t.x, y = d.cy + t.y;
    switch (t.forme) {
        case TexteRoue::Forme::Droit: surface.texte(x, y, t.largeur, DessinRoue::kHauteurLigne, t.texte); break;
        case TexteRoue::Forme::Incline:
            surface.texteIncline(x, y, t.largeur, DessinRoue::kHauteurLigne, t.angle, t.texte);
            break;
        case TexteRoue::Forme::Circulaire: {
            // Le texte circulaire prend son centre marges comprises et la page de son départ.
            const std::int64_t cx = std::int64_t{d.cx} + reglages.margeGauche;
            const std::int64_t cy = std::int64_t{d.cy} + reglages.margeBas;
            const auto px = cx + static_cast<std::int64_t>(t.rayon * std::cos(double{t.depart}));
            const auto py = cy + static_cast<std::int64_t>(t.rayon * std::sin(double{t.depart}));
            const PlagePages page = surface.plagePages(px, py, px, py);
            if (page.estVide()) return;
            surface.texteCirculaire(page.colonneDebut, page.rangeeDebut, static_cast<std::int32_t>(cx),
                                    static_cast<std::int32_t>(cy), t.rayon, t.depart, t.inverse, t.texte);
            break;
        }
    }
}

}  // namespace

void DessinRoue::cercle(std::int32_t rayon) {
    TraitRoue t;
    t.forme = TraitRoue::Forme::Cercle;
    t.rayon = rayon;
    traits.push_back(t);
}

void DessinRoue::arc(std::int32_t rayon, double debut, double fin) {
    if (!(fin > debut)) return;
    TraitRoue t;
    t.forme = TraitRoue::Forme::Arc;
    t.rayon = rayon;
    t.debut = static_cast<float>(debut);
    t.fin = static_cast<float>(fin);
    traits.push_back(t);
}

void DessinRoue::segment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    TraitRoue t;
    t.x1 = x1;
    t.y1 = y1;
    t.x2 = x2;
    t.y2 = y2;
    traits.push_back(t);
}

TexteRoue texteRayonnant(std::int32_t theta, roue::CosSin cs, std::int32_t interieur, std::int32_t decalage,
                         std::int32_t largeurBoite, std::int32_t largeurTexte) {
    const bool versExterieur = cs.cos >= 0;
    const std::int64_t dist = std::int64_t{interieur} + (versExterieur ? 0 : largeurTexte);
    // Le haut des lettres est du côté trigonométrique en lisant vers l'extérieur, de l'autre
    // côté en lisant vers le centre.
    const std::int64_t e = versExterieur ? decalage : -decalage;
    TexteRoue t;
    t.forme = TexteRoue::Forme::Incline;
    t.x = static_cast<std::int32_t>((dist * cs.cos - e * cs.sin) / 10000);
    t.y = static_cast<std::int32_t>((dist * cs.sin + e * cs.cos) / 10000);
    t.angle = versExterieur ? theta : theta + roue::kPi;
    t.largeur = largeurBoite;
    return t;
}

bool DessinRoue::signatureHorsDuDisque(std::int32_t largeurSignature, std::int32_t rayon) const {
    const double qx = std::clamp<double>(cx, 0, largeurSignature);
    const double qy = std::clamp<double>(cy, 0, kHauteurSignature);
    const double dx = cx - qx, dy = cy - qy, r = rayon + 45.0;
    return dx * dx + dy * dy > r * r;
}

void ecrireRoue(const DessinRoue& d, SurfacePdf& surface, const ReglagesDessin& reglages, const CouleursNoms& couleurs,
                bool signature) {
    if (signature) surface.signature(0, 0);
    for (const TraitRoue& t : d.traits) {
        switch (t.forme) {
            case TraitRoue::Forme::Cercle: surface.cercle(d.cx, d.cy, t.rayon, false); break;
            case TraitRoue::Forme::Arc: surface.arc(d.cx, d.cy, t.rayon, t.debut, t.fin); break;
            case TraitRoue::Forme::Segment: surface.ligne(d.cx + t.x1, d.cy + t.y1, d.cx + t.x2, d.cy + t.y2); break;
        }
    }
    EtatTrace& etat = surface.etat();
    const std::uint32_t couleurTexte = etat.couleurTexte;
    for (const TexteRoue& t : d.textes) {
        if (t.texte.empty()) continue;
        etat.couleurTexte = couleurDuNom(t.sexe, couleurs, couleurTexte);
        if (t.italique) surface.policeItalique(true);
        ecrireTexte(d, t, surface, reglages);
        if (t.italique) surface.policeItalique(false);
        etat.couleurTexte = couleurTexte;
    }
}

}  // namespace lignara
