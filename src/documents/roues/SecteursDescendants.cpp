#include "documents/roues/SecteursDescendants.h"

#include <cmath>

#include "documents/AjustementNom.h"
#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/SecteursAscendants.h"

namespace lignara {

namespace {

// Deux bords voisins d'un même anneau ne font qu'un rayon.
constexpr double kMemeAngle = 1e-7;

// Angle en dix-millièmes de radian, ramené dans [−π, π[.
std::int32_t dixMillemes(double angle) {
    double a = std::fmod(angle + roue::kPiExact, 2 * roue::kPiExact);
    if (a < 0) a += 2 * roue::kPiExact;
    return static_cast<std::int32_t>(std::lround((a - roue::kPiExact) * 10000));
}

void rayon(DessinRoue& d, double angle, std::int32_t interieur, std::int32_t exterieur) {
    const double c = std::cos(angle), s = std::sin(angle);
    d.segment(static_cast<std::int32_t>(interieur * c), static_cast<std::int32_t>(interieur * s),
              static_cast<std::int32_t>(exterieur * c), static_cast<std::int32_t>(exterieur * s));
}

void tracerAnneau(DessinRoue& d, const std::vector<EntreeRoue>& anneau, int k) {
    const std::int32_t interieur = roue::cercleDescendant(k), exterieur = roue::cercleDescendant(k + 1);
    for (std::size_t i = 0; i < anneau.size(); ++i) {
        const EntreeRoue& e = anneau[i];
        const double fin = e.debut + e.largeur;
        d.arc(exterieur, e.debut, fin);
        if (i == 0 || std::abs(anneau[i - 1].debut + anneau[i - 1].largeur - e.debut) > kMemeAngle)
            rayon(d, e.debut, interieur, exterieur);
        rayon(d, fin, interieur, exterieur);
    }
}

struct LigneSecteur {
    std::uint32_t personne = 0;
    bool conjoint = false;
};

void ecrireLigne(DessinRoue& d, int k, double angle, const NomRoue& nom, bool conjoint,
                 const ReglesRoueDescendante& r) {
    const MetriquePolice& police = conjoint ? *r.italique : *r.reguliere;
    const std::int32_t boite = roue::kLargeurAnneau - 90;
    std::string texte = ajusterPrenomsNom(boite, nom.prenoms, nom.nom, police);
    const roue::CosSin cs{static_cast<std::int32_t>(std::cos(angle) * 10000),
                          static_cast<std::int32_t>(std::sin(angle) * 10000)};
    TexteRoue t = texteRayonnant(dixMillemes(angle), cs, roue::rayonAnneauDescendant(k), decalageLigneDescendante(),
                                 boite, largeurTexte(police, texte));
    t.texte = std::move(texte);
    t.sexe = nom.sexe;
    t.italique = conjoint;
    d.textes.push_back(std::move(t));
}

// La personne, puis ses conjoints, une boîte chacun, le groupe centré dans le secteur ; la
// première ligne dans le sens de lecture est la plus en avant dans le sens trigonométrique à
// droite, la plus en arrière à gauche.
void ecrireSecteur(DessinRoue& d, const EntreeRoue& e, int k, const ReglesRoueDescendante& r, const LectureNom& noms) {
    std::vector<LigneSecteur> lignes{{e.personne, false}};
    for (const ConjointRoue& c : e.conjoints) lignes.push_back({c.personne, true});
    const double boite = roue::angleBoite(k);
    const double groupe = boite * static_cast<double>(lignes.size());
    const double premier = e.debut + (e.largeur - groupe) / 2;
    const bool droite = std::cos(e.debut + e.largeur / 2) >= 0;
    for (std::size_t j = 0; j < lignes.size(); ++j) {
        const bool vivante = lignes[j].conjoint ? e.conjoints[j - 1].vivant : e.vivante;
        if (vivante && !r.contemporains) continue;
        const std::size_t place = droite ? lignes.size() - 1 - j : j;
        const double angle = premier + (static_cast<double>(place) + 0.5) * boite;
        ecrireLigne(d, k, angle, noms(lignes[j].personne), lignes[j].conjoint, r);
    }
}

}  // namespace

std::int32_t decalageLigneDescendante() { return -(kHautLettres - kBasLettres) / 2; }

void dessinerAnneauxDescendants(DessinRoue& dessin, const AllocationDescendante& allocation,
                                const ReglesRoueDescendante& regles, const LectureNom& noms) {
    const int n = allocation.anneauxPlaces();
    if (regles.disqueCentral)
        dessin.cercle(roue::cercleDescendant(1));
    else if (n > 0)
        dessin.arc(roue::cercleDescendant(1), allocation.debutEventail(),
                   allocation.debutEventail() + allocation.largeurEventail());
    for (int k = 1; k <= n; ++k) {
        tracerAnneau(dessin, allocation.anneau(k), k);
        for (const EntreeRoue& e : allocation.anneau(k)) ecrireSecteur(dessin, e, k, regles, noms);
    }
}

}  // namespace lignara
