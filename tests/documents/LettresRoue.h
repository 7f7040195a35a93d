#pragma once
// Essais des roues : les coins des lettres d'un texte de roue, calculés à part de la mise en page (comme la
// surface les pose), et la vérification qu'ils restent dans un secteur.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "ArbreEssai.h"
#include "commun/MetriquePolice.h"
#include "documents/roues/Roue.h"
#include "reglages/Configuration.h"
#include "documents/roues/DessinRoue.h"
#include "documents/roues/SecteursAscendants.h"

namespace lignara::essai {

// Roue de la personne « P1 » sur les préférences de l'essai, écrite dans son dossier.
class EssaiRoue : public EssaiPolices {
protected:
    template <class R>
    std::unique_ptr<R> roue(BaseEssai& b) {
        b.contexte.polices = polices_;
        b.contexte.preferences = &preferences_;
        auto d = std::make_unique<R>(*afficheurDeCode(R::kCode));
        d->initialiserParametres(b.contexte);
        d->valeur(kRacine) = b.personne("P1");
        d->valeur(kNomRacine) = std::string("N1");
        return d;
    }
    std::string ecrire(Roue& d, BaseEssai& b, const std::string& nom) {
        d.preparer(b.contexte);
        d.chemin = (dossier_ / nom).string();
        d.ecrire();
        return d.chemin;
    }
    Configuration preferences_;
    DossierEssai dossier_;
};

struct Point {
    double x = 0, y = 0;
};

// Coins des lettres, relatifs au centre : de kBasLettres sous la ligne de base à kHautLettres au-dessus.
inline std::vector<Point> coinsLettres(const TexteRoue& t, const MetriquePolice& police) {
    std::vector<Point> coins;
    auto boite = [&](Point origine, Point avance, Point haut, double largeur) {
        for (double s : {0.0, largeur})
            for (double h : {-double(kBasLettres), double(kHautLettres)})
                coins.push_back({origine.x + s * avance.x + h * haut.x, origine.y + s * avance.y + h * haut.y});
    };
    const double largeur = largeurTexte(police, t.texte);
    switch (t.forme) {
        case TexteRoue::Forme::Droit: boite({double(t.x), double(t.y)}, {1, 0}, {0, 1}, largeur); break;
        case TexteRoue::Forme::Incline: {
            const double a = t.angle / 10000.0;
            boite({double(t.x), double(t.y)}, {std::cos(a), std::sin(a)}, {-std::sin(a), std::cos(a)}, largeur);
            break;
        }
        case TexteRoue::Forme::Circulaire: {
            double theta = t.depart;
            for (unsigned char c : t.texte) {
                const double l = police.largeurs[c] / 100;
                const Point o{t.rayon * std::cos(theta), t.rayon * std::sin(theta)};
                if (t.inverse)
                    boite(o, {-std::sin(theta), std::cos(theta)}, {-std::cos(theta), -std::sin(theta)}, l);
                else
                    boite(o, {std::sin(theta), -std::cos(theta)}, {std::cos(theta), std::sin(theta)}, l);
                theta += (t.inverse ? 1 : -1) * std::floor(l) / t.rayon;
            }
            break;
        }
    }
    return coins;
}

// Secteur d'une couronne : rayons et angles (radians, debut < fin).
struct SecteurEssai {
    double rInterieur = 0, rExterieur = 0, debut = 0, fin = 0;
};

// Le coin qui sort du secteur, décrit ; vide quand tous y sont.
inline std::string horsDuSecteur(const std::vector<Point>& coins, const SecteurEssai& s) {
    const double milieu = (s.debut + s.fin) / 2, demi = (s.fin - s.debut) / 2;
    for (const Point& p : coins) {
        const double r = std::hypot(p.x, p.y);
        const double a = std::atan2(p.y, p.x) - milieu;
        const double ecart = std::atan2(std::sin(a), std::cos(a));
        if (r < s.rInterieur || r > s.rExterieur || std::abs(ecart) > demi)
            return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") r " + std::to_string(r) + " écart " +
                   std::to_string(ecart) + " pour ±" + std::to_string(demi);
    }
    return {};
}

}  // namespace lignara::essai
